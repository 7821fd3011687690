#include "window/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>

namespace lernwerk {

WindowPlacement::WindowPlacement(QWidget& window, QSize minimum) : QObject(&window), window_(window), minimum_(minimum)
{
    window.setMinimumSize(minimum);
    window.installEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::Show:
            if (!event->spontaneous() && !centred_) {
                centred_ = true;
                if (const QScreen* screen = QGuiApplication::primaryScreen())
                    window_.move(screen->availableGeometry().center() - window_.frameGeometry().center() +
                                 window_.pos());
            }
            break;
        // The window manager has framed the window by the time it activates it.
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::ActivationChange:
            keepMinimumOuterSize();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::keepMinimumOuterSize()
{
    const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
    const QSize minimum = minimum_ - frame;
    if (minimum != window_.minimumSize())
        window_.setMinimumSize(minimum);
}

}  // namespace lernwerk
