#include "window/question_field_look.h"

#include <QPlainTextEdit>

#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"

namespace lernwerk {

namespace {

FontDialog* makeFontDialog(QWidget* parent)
{
    auto* dialog = new FontDialog(parent);
    QFont start(QStringLiteral("MS Sans Serif"));
    start.setPointSize(8);
    dialog->setChoice(start, parent->palette().color(QPalette::WindowText));
    return dialog;
}

}  // namespace

void QuestionFieldLook::chooseFont(std::span<QPlainTextEdit* const> fields)
{
    if (!fontDialog_)
        fontDialog_ = makeFontDialog(parent_);
    if (!fontDialog_->choose(language_.current()))
        return;
    const QFont chosen = fontDialog_->chosenFont();
    const QColor color = fontDialog_->chosenColor();
    for (QPlainTextEdit* field : fields) {
        field->setFont(chosen);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, color);
        field->setPalette(palette);
    }
}

void QuestionFieldLook::chooseBackground(std::span<QPlainTextEdit* const> fields)
{
    if (!colorDialog_)
        colorDialog_ = new ColorDialog(Qt::black, parent_);
    if (!colorDialog_->choose(language_.current()))
        return;
    const QColor chosen = colorDialog_->chosenColor();
    for (QPlainTextEdit* field : fields) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, chosen);
        field->setPalette(palette);
    }
}

}  // namespace lernwerk
