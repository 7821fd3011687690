#pragma once

#include <QObject>

#include "memory/day.h"

class QTimer;

namespace lernwerk {

// Tells when the learner's calendar day changes while the program runs: at
// the next local midnight, and again at each one after it. It looks at the
// clock at least once an hour, so that a machine that slept through midnight
// or a changed time zone is noticed too.
class DayWatch : public QObject {
    Q_OBJECT
public:
    explicit DayWatch(QObject* parent = nullptr);

    memory::Day today() const { return today_; }

signals:
    // A new day began; `today` is the new one.
    void dayChanged(memory::Day today);

private:
    void check();
    void arm();

    memory::Day today_;
    QTimer* timer_;
};

}  // namespace lernwerk
