// The lists page: the question list, its status column and the loading of lists.

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "widgets/error_box_transition.h"
#include "app/tprog.h"
#include "widgets/controls.h"
#include "widgets/status_column.h"
#include "widgets/text_field.h"

namespace lernwerk {

namespace {

constexpr int kStatusColumnWidth = 25;

QFont listFont()
{
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    return tahoma;
}

}  // namespace

QWidget* Tprog::createListsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tb3"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 14, 8, 8);
    layout->addWidget(makeHeading(page, "Label6"));

    auto* nameRow = new QHBoxLayout;
    auto* label7 = new QLabel(page);
    label7->setObjectName(QStringLiteral("Label7"));
    aktuelleliste = new QLabel(page);
    aktuelleliste->setObjectName(QStringLiteral("aktuelleliste"));
    aktuelleliste->setTextInteractionFlags(Qt::TextSelectableByMouse);
    nameRow->addWidget(label7);
    nameRow->addWidget(aktuelleliste, 1);
    layout->addLayout(nameRow);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(0);
    auto* column = new StatusColumn(page);
    column->setObjectName(QStringLiteral("Memo2"));
    column->setAccessibleName(QStringLiteral("Memo2"));
    Memo2 = column;
    keepLinesWhole(*Memo2);
    Memo2->setFixedWidth(kStatusColumnWidth);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setPlainText(QStringLiteral("0"));
    Memo1 = makeMemo(page, "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(listFont());
    column->follow(Memo1);
    listRow->addWidget(Memo2);
    listRow->addWidget(Memo1, 1);
    layout->addLayout(listRow, 1);

    Memo5 = makeMemo(page, "Memo5");
    Memo5->hide();

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    auto* button2 = makeButton(page, "Button2");
    Button1 = makeButton(page, "Button1");
    for (QPushButton* button : {button2, Button1}) {
        button->setMinimumWidth(97);
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
    connect(button2, &QPushButton::clicked, this, [this] { guarded([this] { Button2Click(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });

    od = new QFileDialog(this);
    od->setObjectName(QStringLiteral("od"));
    od->setNameFilter(QStringLiteral("Fragenlisten (*.txt)"));
    od->setFileMode(QFileDialog::AnyFile);
    od->setAcceptMode(QFileDialog::AcceptOpen);
    od->setOption(QFileDialog::DontUseNativeDialog);
    return page;
}

void Tprog::Button2Click()
{
    if (od->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = od->selectedFiles();
    const QString fileName = chosen.isEmpty() ? QString() : chosen.first();
    if (fileName.isEmpty())
        return;
    od->selectFile(fileName);  // offered again next time

    LoadTextLines(fileName.toStdU16String(), *Memo1);
    aktuelleliste->setText(fileName);
    // The path stands in the first line of the hidden field, replacing that line.
    QTextCursor first(Memo5->document()->firstBlock());
    first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    first.insertText(fileName);
}

}  // namespace lernwerk
