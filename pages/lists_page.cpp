#include "pages/lists_page.h"

#include <QAction>

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>

#include "desktop/error_reporter.h"
#include "desktop/speaker.h"
#include "dialogs/import_dialog.h"
#include "lang/lists_texts.h"
#include "textfile/file_names.h"
#include "textfile/text_lines.h"
#include "widgets/controls.h"
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
      listFileDialog_(
          this, {.name = "od", .filter = kQuestionListFilter, .save = false, .defaultSuffix = {}, .offeredFile = {}}),
      importFileDialog_(this, {.name = "importOpen",
                               .filter = QStringLiteral("kvtml, CSV, Anki (*.kvtml *.csv *.tsv *.txt *.apkg *.colpkg)"),
                               .save = false,
                               .defaultSuffix = {},
                               .offeredFile = {}})
{
    setObjectName(QStringLiteral("tb3"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 8, 8);
    heading_ = makeHeading(this, "Label6");
    layout->addWidget(heading_);

    auto* nameRow = new QHBoxLayout;
    listNameLabel_ = new QLabel(this);
    listNameLabel_->setObjectName(QStringLiteral("Label7"));
    listName_ = new QLabel(this);
    listName_->setObjectName(QStringLiteral("aktuelleliste"));
    // A Tab stop, so that the keyboard and a screen reader reach the name.
    listName_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    listName_->setFocusPolicy(Qt::StrongFocus);
    nameRow->addWidget(listNameLabel_);
    nameRow->addWidget(listName_, 1);
    layout->addLayout(nameRow);

    auto* listRow = new QHBoxLayout;
    listRow->setSpacing(0);
    statusColumn_ = new StatusColumn(this);
    statusColumn_->setObjectName(QStringLiteral("Memo2"));
    keepLinesWhole(*statusColumn_);
    statusColumn_->setTabChangesFocus(true);
    statusColumn_->setFixedWidth(kStatusColumnWidth);
    statusColumn_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusColumn_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    statusColumn_->setLineWrapMode(QPlainTextEdit::NoWrap);
    statusColumn_->setPlainText(QStringLiteral("0"));
    questions_ = makeMemo(this, "Memo1");
    questions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    questions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    questions_->setLineWrapMode(QPlainTextEdit::NoWrap);
    questions_->setFont(programFont());
    statusColumn_->follow(questions_);
    listRow->addWidget(statusColumn_);
    listRow->addWidget(questions_, 1);
    layout->addLayout(listRow, 1);

    listPath_ = makeMemo(this, "Memo5");
    listPath_->hide();

    auto* buttonRow = new QHBoxLayout;
    nextReview_ = new QLabel(this);
    nextReview_->setObjectName(QStringLiteral("nextReview"));
    nextReview_->setWordWrap(true);
    buttonRow->addWidget(nextReview_, 1);
    loadList_ = makeButton(this, "Button2");
    newSession_ = makeButton(this, "Button1");
    for (QPushButton* button : {loadList_, newSession_}) {
        button->setMinimumWidth(kButtonMinimumWidth);
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);
    connectGuarded(loadList_, &QPushButton::clicked, this, errors_, &ListsPage::loadList);
    connect(newSession_, &QPushButton::clicked, this, &ListsPage::newSessionRequested);
    questions_->viewport()->installEventFilter(this);
    connect(questions_, &QPlainTextEdit::cursorPositionChanged, this, &ListsPage::caretMoved);

    // The list's name, the list and its status column, then the buttons below them.
    QWidget::setTabOrder(listName_, questions_);
    QWidget::setTabOrder(questions_, statusColumn_);
    QWidget::setTabOrder(statusColumn_, loadList_);
    QWidget::setTabOrder(loadList_, newSession_);
}

void ListsPage::focusNewSession() { newSession_->setFocus(Qt::OtherFocusReason); }

void ListsPage::takeLoadKeyIn(QWidget& window)
{
    auto* loadKey = new QAction(&window);
    loadKey->setShortcut(kLoadListKey);
    connectGuarded(loadKey, &QAction::triggered, this, errors_, &ListsPage::loadList);
    window.addAction(loadKey);
}

QString ListsPage::listName() const { return listName_->text(); }

// A name whose bytes are not UTF-8 is shown as it was most likely meant.
void ListsPage::setListName(const QString& name)
{
    listName_->setText(QString::fromStdU16String(textfile::ReadableName(name.toStdU16String())));
}

void ListsPage::loadList()
{
    const QString fileName = listFileDialog_.choose();
    if (fileName.isEmpty())
        return;
    loadFile(fileName);
}

void ListsPage::loadFile(const QString& fileName) { showList(fileName, false); }

void ListsPage::showList(const QString& fileName, bool asked)
{
    // Read first: a file that cannot be read changes nothing, and no round ends for it.
    const std::u16string text = textfile::ReadTextLines(fileName.toStdU16String());
    if (!asked && !mayReplaceList())
        return;
    if (replacing_)
        replacing_();
    setFieldText(*questions_, text);
    setListName(fileName);
    // The path stands in the first line of the hidden field, replacing that line.
    QTextCursor first(listPath_->document()->firstBlock());
    first.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    first.insertText(fileName);
    const ListsTexts& texts = listsPageTexts();
    // A round asks every line that is not empty.
    const auto lines = fieldLines(*questions_);
    const auto questions = std::count_if(lines.begin(), lines.end(), [](const auto& line) { return !line.empty(); });
    speaker_.say((questions == 1 ? texts.loadedOneQuestion : texts.loaded)
                     .in(language_)
                     .arg(QFileInfo(listName_->text()).fileName())
                     .arg(questions));
}

void ListsPage::importList()
{
    const QString fileName = importFileDialog_.choose();
    if (!fileName.isEmpty())
        importFile(fileName);
}

void ListsPage::importFile(const QString& fileName)
{
    // Asked before the preview: the learner's work there is not in vain.
    if (!mayReplaceList())
        return;
    if (!importDialog_) {
        importDialog_ = new ImportDialog(errors_, speaker_, programFolder_, this);
        importDialog_->setLoadedList(loadedList_);
    }
    importDialog_->prepare(fileName, language_);
    // Above the main window also where it was raised after the file came.
    QTimer::singleShot(0, importDialog_, [dialog = importDialog_] {
        dialog->raise();
        dialog->activateWindow();
    });
    if (importDialog_->exec() == QDialog::Accepted)
        showList(importDialog_->savedFile(), true);
}

void ListsPage::takeList(const QStringList& lines, const QString& name)
{
    std::vector<std::u16string> kept;
    kept.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines)
        kept.push_back(line.toStdU16String());
    setFieldLines(*questions_, kept);
    setListName(name);
}

bool ListsPage::restoreNamedList(const QString& lastListFile)
{
    if (!textfile::IsRegularFile(lastListFile.toStdU16String()))
        return false;
    LoadTextLines(lastListFile.toStdU16String(), *listPath_);

    const QString named = lineText(listPath_->document()->firstBlock());
    if (named.isEmpty() || !textfile::IsRegularFile(named.toStdU16String()))
        return false;
    setListName(named);
    LoadTextLines(named.toStdU16String(), *questions_);
    return true;
}

void ListsPage::retranslate(Language language)
{
    language_ = language;
    if (importDialog_)
        importDialog_->retranslate(language);
    const ListsTexts& texts = listsPageTexts();
    setWindowTitle(texts.tab.in(language));
    heading_->setText(texts.heading.in(language));
    listNameLabel_->setText(texts.currentList.in(language));
    // The name is heard with its heading.
    listName_->setAccessibleDescription(texts.currentList.in(language));
    loadList_->setText(texts.loadList.in(language));
    newSession_->setText(texts.newSession.in(language));
    setListName(texts.sampleName.in(language));
    questions_->setAccessibleName(texts.questionListName.in(language));
    statusColumn_->setAccessibleName(texts.statusColumnName.in(language));
    listPath_->setAccessibleName(texts.pathFieldName.in(language));
    loadList_->setToolTip(texts.loadList.in(language) + QStringLiteral(" (") +
                          kLoadListKey.toString(QKeySequence::NativeText) + QLatin1Char(')'));
    // Undo in the field brings back what the user had there.
    replaceFieldLines(*questions_, texts.sampleList.in(language));
}

void ListsPage::showNextReview(const QString& text) { nextReview_->setText(text); }

void ListsPage::setLineHistory(std::function<QString(const QString& line)> history)
{
    lineHistory_ = std::move(history);
}

bool ListsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != questions_->viewport() || event->type() != QEvent::ToolTip || !lineHistory_)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QTextCursor at = questions_->cursorForPosition(help->pos());
    // The line's band across the field; below the last line there is none.
    QTextCursor end = at;
    end.movePosition(QTextCursor::EndOfBlock);
    QTextCursor start = at;
    start.movePosition(QTextCursor::StartOfBlock);
    const QRect band = questions_->cursorRect(start).united(questions_->cursorRect(end));
    const QRect lineRect(0, band.top(), questions_->viewport()->width(), band.height());
    const QTextBlock line = at.block();
    const QString history = lineRect.contains(help->pos()) ? lineHistory_(line.text()) : QString();
    if (history.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), history, questions_->viewport(), lineRect);
    return true;
}

void ListsPage::refreshLineHistory()
{
    if (!lineHistory_)
        return;
    const QString history = lineHistory_(questions_->textCursor().block().text());
    if (history != questions_->accessibleDescription())
        questions_->setAccessibleDescription(history);
}

void ListsPage::caretMoved()
{
    if (!lineHistory_)
        return;
    refreshLineHistory();
    const QTextCursor caret = questions_->textCursor();
    // The tooltip comes up when the caret reaches another line, not at every key typed on one.
    const int line = caret.blockNumber();
    if (line == historyLine_ || !questions_->hasFocus())
        return;
    historyLine_ = line;
    const QRect caretRect = questions_->cursorRect(caret);
    const QString history = questions_->accessibleDescription();
    if (history.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(questions_->viewport()->mapToGlobal(caretRect.bottomLeft()), history,
                           questions_->viewport());
}

}  // namespace lernwerk
