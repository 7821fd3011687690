#pragma once

class QFont;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace lernwerk {

// Small makers for the controls the pages share, each named by its objectName.

// The face every window, menu and dialog of the program speaks in: "Tahoma"
// at 11 pixels.
QFont programFont();

// A page heading: "MS Sans Serif" 16 pixels, dark grey.
QLabel* makeHeading(QWidget* parent, const char* name);
// A multi-line plain text field; Tab and Shift+Tab move the focus on.
QPlainTextEdit* makeMemo(QWidget* parent, const char* name);
QPushButton* makeButton(QWidget* parent, const char* name);
// Lets Tab reach a label's text, with a caret that the arrow keys move, so
// that a screen reader reads it.
void makeReadable(QLabel* label);

}  // namespace lernwerk
