#pragma once

#include <QAccessible>

namespace lernwerk {

// The page control as a screen reader sees it: a tab row that holds only the
// tabs the user can see and reach, and a plain pane that holds their pages;
// the control itself takes no focus apart from its tab row. The accessibility
// hub installs both parts.

// Builds the interfaces of a page control, its tab row and its page area.
QAccessibleInterface* makePageControlAccessible(const QString& className, QObject* object);

// The tab row's own events (a tab selected, a tab focused) name the tab by its
// place among all tabs; the screen reader knows it by its place among the
// visible ones. Tells such an event in the row's own counting; false for an
// event about a hidden tab, which the screen reader is not told of.
bool countTabsAmongVisible(QAccessibleEvent* event);

}  // namespace lernwerk
