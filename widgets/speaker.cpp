#include "widgets/speaker.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

#include <utility>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

namespace lernwerk {

namespace {

bool hasActiveFocus(const QWidget* control) { return control && control->isActiveWindow(); }

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

// Qt before 6.8 has no announcement event, and the change events it has do
// not carry the text: a name or description change of a control reaches the
// AT-SPI bus with the control itself as the event's data instead of the new
// string, so Orca has nothing to say. The bus itself is fine: the signal
// Qt's bridge would send for a description change, with the string as its
// data, is sent here on the connection the bridge holds ("a11y" is its name
// in Qt 6.4). Orca presents a description change of the object that has the
// focus as a message, and that is all this signal does; the control's real
// description is not touched.
constexpr auto kObjectPathPrefix = "/org/a11y/atspi/accessible/";
constexpr auto kRootPath = "/org/a11y/atspi/accessible/root";

// Which application an AT-SPI event comes from: its bus name and the path of
// its root object, a D-Bus struct (so).
struct ApplicationReference {
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ApplicationReference& reference)
{
    argument.beginStructure();
    argument << reference.service << reference.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ApplicationReference& reference)
{
    argument.beginStructure();
    argument >> reference.service >> reference.path;
    argument.endStructure();
    return argument;
}

}  // namespace

}  // namespace lernwerk

Q_DECLARE_METATYPE(lernwerk::ApplicationReference)

namespace lernwerk {

namespace {

void sendToScreenReader(QWidget* control, const QString& text)
{
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return;
    static const QMetaType registered = qDBusRegisterMetaType<ApplicationReference>();
    Q_UNUSED(registered);
    const QString path = QLatin1String(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(text))
           << QVariant::fromValue(ApplicationReference{bus.baseService(), QDBusObjectPath(QLatin1String(kRootPath))});
    bus.send(signal);
}

#else

void sendToScreenReader(QWidget* control, const QString& text)
{
    QAccessibleAnnouncementEvent announcement(control, text);
    QAccessible::updateAccessibility(&announcement);
}

#endif

}  // namespace

Speaker::Speaker(QObject* parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
}

void Speaker::say(const QString& text)
{
    QWidget* control = QApplication::focusWidget();
    if (hasActiveFocus(control)) {
        waiting_.clear();
        deliver(control, text);
    } else {
        waiting_ = text;
    }
}

void Speaker::focusChanged(QWidget* now)
{
    if (waiting_.isEmpty() || !hasActiveFocus(now))
        return;
    // Queued: the screen reader first hears of the control that took the
    // focus, which Qt tells it once this change has been handled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QWidget* control = QApplication::focusWidget();
            if (waiting_.isEmpty() || !hasActiveFocus(control))
                return;
            deliver(control, std::exchange(waiting_, QString()));
        },
        Qt::QueuedConnection);
}

void Speaker::deliver(QWidget* control, const QString& text)
{
    if (QAccessible::isActive())
        sendToScreenReader(control, text);
    emit spoken(text, control);
}

}  // namespace lernwerk
