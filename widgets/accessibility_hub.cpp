#include "widgets/accessibility_hub.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>

#include "widgets/click_label_accessible.h"
#include "widgets/line_field_accessible.h"
#include "widgets/page_control_accessible.h"
#include "widgets/status_bar_accessible.h"
#include "widgets/text_field_accessible.h"

// What the program adds to Qt 6.4's accessibility for Orca 43, and why.
//
// Interfaces (for an object it has none for, Qt asks the factories from the
// last installed to the first; each builds interfaces for classes of its own,
// so none hides another):
// - Page control: Qt's tab row lists every tab, hidden ones included, and
//   the page stack and the frame around it show up as unnamed, focusable
//   areas; Orca would offer tabs that cannot be reached and speak the frame.
// - Click label: Qt sees a plain label, which Orca reads as text and cannot
//   press; the program's labels act as buttons and links.
// - Status bar: its three panels are painted, not widgets, so Qt's interface
//   has no child for them and Orca can neither read them one by one nor be
//   told that one changed.
// - Multi-line field: Qt's interface reports no "language" text attribute, so
//   Orca speaks every field with the voice of the desktop's language.
// - One-line field (every one, the file dialogs' name fields included): Qt's
//   interface never returns from a query for the word or sentence at the end
//   of its text, which a screen reader asks while the user types a file name;
//   the program would hang.
//
// Event steps (each event passes them in this order, then goes on to the
// handler that was installed before the hub or, with none, to Qt's bridge to
// the accessibility bus, exactly as without the hub; a step may drop it):
// 1. Tabs among the visible: Qt's tab row tells of a selected or focused tab
//    by its place among all tabs, but the row's interface above counts only
//    the visible ones; Orca would name the wrong tab.
//
// Signals that Qt 6.4 has no event for at all are sent by the program itself
// (screen_reader_bus.cpp).

namespace lernwerk {

namespace {

using EventStep = bool (*)(QAccessibleEvent* event);

constexpr QAccessible::InterfaceFactory kFactories[] = {
    makePageControlAccessible, ClickLabelAccessible::make, StatusBarAccessible::make,
    TextFieldAccessible::make, LineFieldAccessible::make,
};

constexpr EventStep kEventSteps[] = {
    countTabsAmongVisible,
};

// The handler installed before the hub's, if any; set once.
QAccessible::UpdateHandler& earlierHandler()
{
    static QAccessible::UpdateHandler handler = nullptr;
    return handler;
}

void deliver(QAccessibleEvent* event)
{
    for (const EventStep step : kEventSteps) {
        if (!step(event))
            return;
    }
    if (QAccessible::UpdateHandler earlier = earlierHandler()) {
        earlier(event);
        return;
    }
    // What QAccessible::updateAccessibility does when no handler is installed.
    // QAccessible has no public way to hand an event on to Qt's bridge once a
    // handler is in place; its platform interface (Qt's private headers) does
    // it, without taking the hub's handler out and putting it back each time.
    if (QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration()) {
        if (QPlatformAccessibility* bridge = platform->accessibility())
            bridge->notifyAccessibilityUpdate(event);
    }
}

}  // namespace

void installAccessibilityHub()
{
    static const bool installed = [] {
        for (const QAccessible::InterfaceFactory factory : kFactories)
            QAccessible::installFactory(factory);
        earlierHandler() = QAccessible::installUpdateHandler(deliver);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace lernwerk
