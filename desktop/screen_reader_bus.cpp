#include "desktop/screen_reader_bus.h"

#include <QAccessible>
#include <QWidget>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

// Why the program sends AT-SPI signals of its own, with Qt 6.4 and Orca 43:
// - Qt before 6.8 has no announcement event, and the change events it has do
//   not carry the text: a name or description change reaches the bus with the
//   control itself as the event's data instead of the new string, so Orca has
//   nothing to say. The signal Qt's bridge would send for a description
//   change, with the string as its data, is sent here on the connection the
//   bridge holds to the accessibility bus ("a11y" is its name in Qt 6.4).
//   Orca presents a description change of the focused object as a message;
//   the control's real description is not touched.
// - Qt's bridge tells of a window's activation only when the window system
//   reports it; when the program hands the focus back to the main window
//   after a dialog, the screen reader hears only that the dialog went and
//   keeps presenting nothing. The activation and the focused control are
//   told here.
// Qt 6.8 has the announcement event, and there it does the first job.

namespace lernwerk {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)

const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
const QString kRootPath = QStringLiteral("/org/a11y/atspi/accessible/root");

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

// Sends an AT-SPI event about `accessible` the way Qt's bridge sends its own.
void sendEvent(QAccessibleInterface* accessible, const QString& interface, const QString& member, const QString& detail,
               int detail1, const QVariant& data)
{
    if (!QAccessible::isActive() || !accessible)
        return;
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    static const QMetaType registered = qDBusRegisterMetaType<ApplicationReference>();
    Q_UNUSED(registered);
    const QString path = kObjectPathPrefix + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, member);
    signal << detail << detail1 << 0 << QVariant::fromValue(QDBusVariant(data))
           << QVariant::fromValue(ApplicationReference{bus.baseService(), QDBusObjectPath(kRootPath)});
    bus.send(signal);
}

#endif

}  // namespace

void presentOnFocusedControl(QWidget* control, const QString& text)
{
    presentOn(QAccessible::queryAccessibleInterface(control), text);
}

void presentOn(QAccessibleInterface* focused, const QString& text)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    sendEvent(focused, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"),
              QStringLiteral("accessible-description"), 0, text);
#else
    if (!QAccessible::isActive() || !focused)
        return;
    QAccessibleAnnouncementEvent announcement(focused, text);
    QAccessible::updateAccessibility(&announcement);
#endif
}

void presentReturnTo(QWidget* window)
{
    if (!QAccessible::isActive())
        return;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    sendEvent(QAccessible::queryAccessibleInterface(window), QStringLiteral("org.a11y.atspi.Event.Window"),
              QStringLiteral("Activate"), QString(), 0, window->windowTitle());
#endif
    if (QWidget* focused = window->focusWidget()) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace lernwerk
