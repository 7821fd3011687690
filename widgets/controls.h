#pragma once

#include <QFont>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace lernwerk {

// The program's own font, Tahoma 11 pixels: the main window's and the lists'.
QFont programFont();

// Small makers for the controls the pages share, each named by its objectName.

// A page heading: "MS Sans Serif" 16 pixels, dark grey.
QLabel* makeHeading(QWidget* parent, const char* name);
// A multi-line plain text field.
QPlainTextEdit* makeMemo(QWidget* parent, const char* name);
QPushButton* makeButton(QWidget* parent, const char* name);

}  // namespace lernwerk
