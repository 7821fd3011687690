#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace lernwerk {

// Places a main window: centred on the screen the first time it shows, and
// never smaller than `minimum` as a whole, frame and title bar included, once
// the window manager has told how large its frame is.
class WindowPlacement : public QObject {
public:
    WindowPlacement(QWidget& window, QSize minimum);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keepMinimumOuterSize();

    QWidget& window_;
    QSize minimum_;
    bool centred_ = false;
};

}  // namespace lernwerk
