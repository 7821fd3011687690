#include "desktop/speaker.h"

#include <QApplication>
#include <QWidget>

#include <utility>

#include "desktop/screen_reader_bus.h"

namespace lernwerk {

namespace {

bool hasActiveFocus(const QWidget* control) { return control && control->isActiveWindow(); }

}  // namespace

Speaker::Speaker(QObject* parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
}

void Speaker::say(const QString& text)
{
    QWidget* control = QApplication::focusWidget();
    if (!held_ && hasActiveFocus(control)) {
        waiting_.clear();
        deliver(control, text);
    } else {
        waiting_ = text;
    }
}

void Speaker::hold() { held_ = true; }

void Speaker::release()
{
    held_ = false;
    QWidget* control = QApplication::focusWidget();
    if (!waiting_.isEmpty() && hasActiveFocus(control))
        deliver(control, std::exchange(waiting_, QString()));
}

void Speaker::focusChanged(QWidget* now)
{
    if (held_ || waiting_.isEmpty() || !hasActiveFocus(now))
        return;
    // Queued: the screen reader first hears of the control that took the
    // focus, which Qt tells it once this change has been handled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QWidget* control = QApplication::focusWidget();
            if (held_ || waiting_.isEmpty() || !hasActiveFocus(control))
                return;
            deliver(control, std::exchange(waiting_, QString()));
        },
        Qt::QueuedConnection);
}

void Speaker::deliver(QWidget* control, const QString& text)
{
    presentOnFocusedControl(control, text);
    emit spoken(text, control);
}

}  // namespace lernwerk
