#include "desktop/focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "desktop/screen_reader_bus.h"

namespace lernwerk {

namespace {

// Dialogs and tool windows; menus, tool tips and the start screen come and
// go without taking the focus from anyone.
bool isDialog(const QObject* object)
{
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget || !widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Dialog || type == Qt::Tool;
}

}  // namespace

FocusReturn::FocusReturn(QWidget& mainWindow) : QObject(&mainWindow), mainWindow_(mainWindow)
{
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (returning_ && now && now == returning_->windowHandle())
            finishReturn(returning_);
    });
}

bool FocusReturn::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && isDialog(watched)) {
        // A list of completions the dialog left open (the file dialog's, when
        // Return takes the typed name) would keep every key from then on.
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            if (QApplication::activePopupWidget() == popup)
                break;
        }
        if (!returning_)
            emit returnStarted();
        returning_ = &mainWindow_;
        // Queued: the dialog finishes closing (and a modal one its event
        // loop) before the focus is handed back.
        QMetaObject::invokeMethod(this, &FocusReturn::returnFocus, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void FocusReturn::returnFocus()
{
    if (!returning_)
        return;
    QWidget* target = QApplication::activeModalWidget();
    if (!target)
        target = &mainWindow_;
    returning_ = target;
    if (!target->isVisible()) {
        finishReturn(nullptr);
        return;
    }
    if (target->isActiveWindow()) {
        finishReturn(target);
        return;
    }
    target->raise();
    target->activateWindow();
}

void FocusReturn::finishReturn(QWidget* window)
{
    returning_ = nullptr;
    if (window)
        presentReturnTo(window);
    emit returned();
}

}  // namespace lernwerk
