// Font and background colour of the trainer's three text fields; they last
// until the program ends.

#include <QFontDialog>
#include <QPlainTextEdit>

#include "app/tprog.h"
#include "lang/font_dialog.h"

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

void Tprog::Schrift1Click()
{
    if (!fd)
        fd = makeFontDialog(this);
    if (!fd->choose())
        return;
    const QFont chosen = fd->chosenFont();
    const QColor color = fd->chosenColor();
    for (QPlainTextEdit* field : {frage, antwort, loesung}) {
        field->setFont(chosen);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Text, color);
        field->setPalette(palette);
    }
}

void Tprog::hfClick()
{
    if (!cd)
        cd = new ColorDialog(Qt::black, this);
    if (!cd->choose())
        return;
    const QColor chosen = cd->chosenColor();
    for (QPlainTextEdit* field : {frage, antwort, loesung}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, chosen);
        field->setPalette(palette);
    }
}

}  // namespace lernwerk
