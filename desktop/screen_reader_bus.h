#pragma once

class QAccessibleInterface;
class QString;
class QWidget;

namespace lernwerk {

// The signals the program sends to a screen reader itself, where the events
// of Qt 6.4's accessibility bridge do not reach it (the source file says
// why). Both do nothing while no screen reader listens.

// Has `text` presented as a message on `control`, which has the focus.
void presentOnFocusedControl(QWidget* control, const QString& text);
// The same for an object without a widget of its own, such as a menu bar's
// menu; nothing is said unless the screen reader presents that object.
void presentOn(QAccessibleInterface* focused, const QString& text);

// Tells the screen reader that `window` is the active window again and which
// of its controls has the focus.
void presentReturnTo(QWidget* window);

}  // namespace lernwerk
