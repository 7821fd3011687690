#include "lists/lists_page.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

#include "lang/lists_texts.h"
#include "textfile/file_names.h"
#include "widgets/controls.h"
#include "widgets/error_reporter.h"
#include "widgets/speaker.h"
#include "widgets/status_column.h"
#include "widgets/text_field.h"

namespace lernwerk {

namespace {

constexpr int kStatusColumnWidth = 25;
constexpr int kButtonMinimumWidth = 97;

}  // namespace

ListsPage::ListsPage(ErrorReporter& errors, Speaker& speaker, QWidget* parent)
    : QWidget(parent),
      errors_(errors),
      speaker_(speaker),
      od(this, {.name = "od", .filter = kQuestionListFilter, .save = false, .defaultSuffix = {}, .offeredFile = {}})
{
    setObjectName(QStringLiteral("tb3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 8, 8);
    Label6 = makeHeading(this, "Label6");
    layout->addWidget(Label6);

    auto* nameRow = new QHBoxLayout;
    Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    aktuelleliste = new QLabel(this);
    aktuelleliste->setObjectName(QStringLiteral("aktuelleliste"));
    // A Tab stop, so that the keyboard and a screen reader reach the name.
    aktuelleliste->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    aktuelleliste->setFocusPolicy(Qt::StrongFocus);
    nameRow->addWidget(Label7);
    nameRow->addWidget(aktuelleliste, 1);
    layout->addLayout(nameRow);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(0);
    Memo2 = new StatusColumn(this);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    keepLinesWhole(*Memo2);
    Memo2->setTabChangesFocus(true);
    Memo2->setFixedWidth(kStatusColumnWidth);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setPlainText(QStringLiteral("0"));
    Memo1 = makeMemo(this, "Memo1");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(programFont());
    Memo2->follow(Memo1);
    listRow->addWidget(Memo2);
    listRow->addWidget(Memo1, 1);
    layout->addLayout(listRow, 1);

    Memo5 = makeMemo(this, "Memo5");
    Memo5->hide();

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    Button2 = makeButton(this, "Button2");
    Button1 = makeButton(this, "Button1");
    for (QPushButton* button : {Button2, Button1}) {
        button->setMinimumWidth(kButtonMinimumWidth);
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
    connectGuarded(Button2, &QPushButton::clicked, this, errors_, &ListsPage::loadList);
    connect(Button1, &QPushButton::clicked, this, &ListsPage::newSessionRequested);

    // The list's name, the list and its status column, then the buttons below them.
    QWidget::setTabOrder(aktuelleliste, Memo1);
    QWidget::setTabOrder(Memo1, Memo2);
    QWidget::setTabOrder(Memo2, Button2);
    QWidget::setTabOrder(Button2, Button1);
}

void ListsPage::focusNewSession() { Button1->setFocus(Qt::OtherFocusReason); }

QString ListsPage::listName() const { return aktuelleliste->text(); }

// A name whose bytes are not UTF-8 is shown as it was most likely meant.
void ListsPage::setListName(const QString& name)
{
    aktuelleliste->setText(QString::fromStdU16String(textfile::ReadableName(name.toStdU16String())));
}

void ListsPage::loadList()
{
    const QString fileName = od.choose();
    if (fileName.isEmpty())
        return;
    loadFile(fileName);
}

void ListsPage::loadFile(const QString& fileName)
{
    LoadTextLines(fileName.toStdU16String(), *Memo1);
    setListName(fileName);
    // The path stands in the first line of the hidden field, replacing that line.
    QTextCursor first(Memo5->document()->firstBlock());
    first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    first.insertText(fileName);
    const ListsTexts& texts = listsPageTexts();
    // A round asks every line that is not empty.
    const auto lines = fieldLines(*Memo1);
    const auto questions = std::count_if(lines.begin(), lines.end(), [](const auto& line) { return !line.empty(); });
    speaker_.say((questions == 1 ? texts.loadedOneQuestion : texts.loaded)
                     .in(language_)
                     .arg(QFileInfo(aktuelleliste->text()).fileName())
                     .arg(questions));
}

void ListsPage::takeList(const QStringList& lines, const QString& name)
{
    std::vector<std::u16string> kept;
    kept.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        kept.push_back(line.toStdU16String());
    setFieldLines(*Memo1, kept);
    setListName(name);
}

bool ListsPage::restoreNamedList(const QString& lastListFile)
{
    if (!textfile::IsRegularFile(lastListFile.toStdU16String()))
        return false;
    LoadTextLines(lastListFile.toStdU16String(), *Memo5);

    const QString named = lineText(Memo5->document()->firstBlock());
    if (named.isEmpty() || !textfile::IsRegularFile(named.toStdU16String()))
        return false;
    setListName(named);
    LoadTextLines(named.toStdU16String(), *Memo1);
    return true;
}

void ListsPage::retranslate(Language language)
{
    language_ = language;
    const ListsTexts& texts = listsPageTexts();
    Label6->setText(texts.heading.in(language));
    Label7->setText(texts.currentList.in(language));
    // The name is heard with its heading.
    aktuelleliste->setAccessibleDescription(texts.currentList.in(language));
    Button2->setText(texts.loadList.in(language));
    Button1->setText(texts.newSession.in(language));
    setListName(texts.sampleName.in(language));
    Memo1->setAccessibleName(texts.questionListName.in(language));
    Memo2->setAccessibleName(texts.statusColumnName.in(language));
    Memo5->setAccessibleName(texts.pathFieldName.in(language));
    Button2->setToolTip(texts.loadList.in(language) + QStringLiteral(" (") +
                        kLoadListKey.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    // Undo in the field brings back what the user had there.
    replaceFieldLines(*Memo1, texts.sampleList.in(language));
}

}  // namespace lernwerk
