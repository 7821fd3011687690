#pragma once

#include <QObject>

class QSocketNotifier;

namespace lernwerk {

// Turns SIGTERM and SIGHUP (what a desktop sends at logout or shutdown, and a
// closed terminal) into a signal of the event loop, so that the program ends
// in good order instead of being cut off. Also ignores SIGXFSZ, so that a
// file-size limit gives a failed write (named like a full disk), not the end
// of the program. One instance at a time.
class EndSignals : public QObject {
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

signals:
    void endRequested();

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace lernwerk
