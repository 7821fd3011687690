#pragma once

#include <QPointer>

#include <span>

class QPlainTextEdit;
class QWidget;

namespace lernwerk {

class ColorDialog;
class FontDialog;
class InterfaceLanguage;

// Font, text colour and background colour of the trainer's three fields,
// chosen in the settings menu; they last until the program ends. Each dialog
// opens on its last confirmed choice.
class QuestionFieldLook {
public:
    // The dialogs open over `dialogParent`, in the interface language.
    QuestionFieldLook(QWidget* dialogParent, const InterfaceLanguage& language)
        : parent_(dialogParent), language_(language)
    {
    }

    void chooseFont(std::span<QPlainTextEdit* const> fields);
    void chooseBackground(std::span<QPlainTextEdit* const> fields);

private:
    QWidget* parent_;
    const InterfaceLanguage& language_;
    QPointer<FontDialog> fontDialog_;
    QPointer<ColorDialog> colorDialog_;
};

}  // namespace lernwerk
