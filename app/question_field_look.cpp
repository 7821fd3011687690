#include "app/question_field_look.h"

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
    if (!fd)
        fd = makeFontDialog(parent_);
    if (!fd->choose(language_.current()))
        return;
    const QFont chosen = fd->chosenFont();
    const QColor color = fd->chosenColor();
    for (QPlainTextEdit* field : fields) {
        field->setFont(chosen);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, color);
        field->setPalette(palette);
    }
}

void QuestionFieldLook::chooseBackground(std::span<QPlainTextEdit* const> fields)
{
    if (!cd)
        cd = new ColorDialog(Qt::black, parent_);
    if (!cd->choose(language_.current()))
        return;
    const QColor chosen = cd->chosenColor();
    for (QPlainTextEdit* field : fields) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, chosen);
        field->setPalette(palette);
    }
}

}  // namespace lernwerk
