// Font and background colour of the trainer's three text fields; they last
// until the program ends.

#include <QColorDialog>
#include <QFontDialog>
#include <QPlainTextEdit>

#include "app/tprog.h"

namespace lernwerk {

namespace {

QFontDialog* makeFontDialog(QWidget* parent)
{
    auto* dialog = new QFontDialog(parent);
    dialog->setObjectName(QStringLiteral("fd"));
    dialog->setOption(QFontDialog::DontUseNativeDialog);
    QFont start(QStringLiteral("MS Sans Serif"));
    start.setPointSize(8);
    dialog->setCurrentFont(start);
    return dialog;
}

QColorDialog* makeColorDialog(QWidget* parent)
{
    auto* dialog = new QColorDialog(Qt::black, parent);
    dialog->setObjectName(QStringLiteral("cd"));
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    return dialog;
}

}  // namespace

void Tprog::Schrift1Click()
{
    if (!fd)
        fd = makeFontDialog(this);
    if (fd->exec() != QDialog::Accepted)
        return;
    const QFont chosen = fd->selectedFont();
    fd->setCurrentFont(chosen);
    for (QPlainTextEdit* field : {frage, antwort, loesung})
        field->setFont(chosen);
}

void Tprog::hfClick()
{
    if (!cd)
        cd = makeColorDialog(this);
    if (cd->exec() != QDialog::Accepted)
        return;
    const QColor chosen = cd->selectedColor();
    cd->setCurrentColor(chosen);
    for (QPlainTextEdit* field : {frage, antwort, loesung}) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, chosen);
        field->setPalette(palette);
    }
}

}  // namespace lernwerk
