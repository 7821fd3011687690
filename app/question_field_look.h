#pragma once

#include <QPointer>

#include <span>

class QPlainTextEdit;
class QWidget;

namespace lernwerk {

class ColorDialog;
class FontDialog;

// Font, text colour and background colour of the trainer's three fields,
// chosen in the settings menu; they last until the program ends. Each dialog
// opens on its last confirmed choice.
class QuestionFieldLook {
public:
    // The dialogs open over `dialogParent`.
    explicit QuestionFieldLook(QWidget* dialogParent) : parent_(dialogParent) {}

    void chooseFont(std::span<QPlainTextEdit* const> fields);
    void chooseBackground(std::span<QPlainTextEdit* const> fields);

private:
    QWidget* parent_;
    QPointer<FontDialog> fd;
    QPointer<ColorDialog> cd;
};

}  // namespace lernwerk
