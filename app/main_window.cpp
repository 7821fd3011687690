#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/file_drop.h"
#include "app/memory_rounds.h"
#include "app/progress_page.h"
#include "app/progress_recorder.h"
#include "app/question_field_look.h"
#include "app/round_presenter.h"
#include "app/session_start.h"
#include "app/start_screen.h"
#include "app/statistics_page.h"
#include "app/trainer_page.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/info_page_set.h"
#include "dialogs/report_dialog.h"
#include "lang/speech_texts.h"
#include "lang/window_texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
#include "widgets/controls.h"
#include "widgets/error_reporter.h"
#include "widgets/focus_return.h"
#include "widgets/memo_lists.h"
#include "widgets/page_control.h"
#include "widgets/speaker.h"
#include "widgets/status_bar.h"
#include "widgets/status_column.h"
#include "widgets/text_field.h"
#include "widgets/text_field_accessible.h"
#include "widgets/web_links.h"

namespace lernwerk {

namespace {

constexpr int kClientWidth = 771;
constexpr int kClientHeight = 543;
constexpr int kMinimumWidth = 600;
constexpr int kMinimumHeight = 440;

}  // namespace

MainWindow::MainWindow(StartScreen& start, InterfaceLanguage& language, ErrorReporter& errors, QString programFolder)
    : QMainWindow(nullptr),
      start_(start),
      language_(language),
      errors_(errors),
      programFolder_(std::move(programFolder))
{
    setObjectName(QStringLiteral("prog"));
    setFont(programFont());

    progress_ = std::make_unique<ProgressRecorder>(programFolder_, language_, errors_);
    statusBar_ = new StatusBar(this);
    setStatusBar(statusBar_);
    // The donation panel opens the donation page of the language.
    connectGuarded(statusBar_, &StatusBar::clicked, this, errors_, [this](int x) {
        if (StatusBar::panelAt(x) == StatusBar::kLinkPanel)
            openDonationPage(language_.current());
    });
    createPages();

    questions_ = std::make_unique<MemoQuestionList>(*lists_->questionField());
    status_ = std::make_unique<MemoStatusList>(*lists_->statusField());
    presenter_ =
        new RoundPresenter({language_, *trainer_, *statusBar_, *statistics_, *lists_, *pages_, *speaker_}, this);
    presenter_->takeRoundKeysIn(*this);
    round_ = std::make_unique<quiz::Round>(*questions_, *status_, *presenter_);
    rounds_ = new MemoryRounds(*progress_, *questions_, *lists_->statusField(), *round_, *presenter_, language_, this);
    connect(presenter_, &RoundPresenter::ended, rounds_, &MemoryRounds::finished);
    connectGuarded(trainer_, &TrainerPage::solveClicked, rounds_, errors_, &MemoryRounds::reveal);
    connectGuarded(trainer_, &TrainerPage::markClicked, rounds_, errors_, &MemoryRounds::mark);
    connectGuarded(lists_, &ListsPage::newSessionRequested, rounds_, errors_, &MemoryRounds::startWholeList);
    connectGuarded(editor_, &EditorPage::listHandedOver, this, errors_,
                   [this](const QStringList& lines, const QString& name) {
                       lists_->takeList(lines, name);
                       rounds_->startWholeList();
                   });
    connect(lists_->questionField(), &QPlainTextEdit::textChanged, rounds_, &MemoryRounds::listChanged);
    look_ = std::make_unique<QuestionFieldLook>(this, language_);
    createMenus();

    // Files dropped on the window, the question list or the trainer's fields are loaded as lists.
    acceptListDrops(*this, {trainer_, lists_}, errors_, language_, [this](const QString& file) { openListFile(file); });

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    session_ = new SessionStart({*this, language_, errors_, programFolder_, *lists_, *trainer_, *rounds_, *progress_,
                                 *speaker_, [this](const QString& file) { openListFile(file); }});
    // Before a round the trainer page holds nothing Tab can reach: it says how to start instead.
    connect(pages_, &PageControl::tabGoesNowhere, this, [this] {
        if (pages_->currentWidget() == trainer_)
            session_->tellHowToStart();
    });
    // What is said while the focus returns from a dialog is said once it is back.
    auto* focusReturn = new FocusReturn(*this);
    connect(focusReturn, &FocusReturn::returnStarted, speaker_, &Speaker::hold);
    connect(focusReturn, &FocusReturn::returned, speaker_, &Speaker::release);
    connectGuarded(&language_, &InterfaceLanguage::changed, this, errors_, &MainWindow::applyLanguage);

    applyLanguage(language_.current());
    info_->scrollToTop();
    session_->readLastLists();
}

MainWindow::~MainWindow() = default;

void MainWindow::setDialogs(ClosingDialog* closing, ReportDialog* reportGerman, ReportDialog* reportEnglish)
{
    closing_ = closing;
    reportGerman_ = reportGerman;
    reportEnglish_ = reportEnglish;
}

std::u16string MainWindow::questionListText() const { return fieldText(*lists_->questionField()); }

void MainWindow::handOver() { session_->handOver(); }

void MainWindow::openListFile(const QString& fileName)
{
    lists_->loadFile(fileName);
    // The list shows where it was loaded, with its name above it.
    showPage(lists_);
}

void MainWindow::openAfterHandOver(const QString& fileName) { session_->openAfterHandOver(fileName); }

const quiz::RoundState& MainWindow::roundState() const { return rounds_->active().state(); }

void MainWindow::createPages()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    // The page control keeps these distances to the window's edges.
    layout->setContentsMargins(9, 8, 8, 6);
    pages_ = new PageControl(client);
    layout->addWidget(pages_);
    setCentralWidget(client);

    speaker_ = new Speaker(this);
    statistics_ = new StatisticsPage;
    trainer_ = new TrainerPage;
    lists_ = new ListsPage(errors_, *speaker_);
    editor_ = new EditorPage(errors_, *speaker_);
    progressPage_ = new ProgressPage(language_);
    for (QWidget* page : std::initializer_list<QWidget*>{trainer_, statistics_, lists_, editor_, progressPage_})
        pages_->addPage(page);
    info_ = std::make_unique<InfoPageSet>(errors_, *pages_);
    pages_->setPageVisible(editor_, false);
    pages_->setPageVisible(progressPage_, false);

    connectGuarded(editor_, &EditorPage::closeRequested, this, errors_,
                   [this] { pages_->setPageVisible(editor_, false); });
    // A click on a tab: the information pages start at their top.
    connectGuarded(pages_, &PageControl::userChange, this, errors_, [this] {
        info_->scrollToTop();
        if (pages_->currentWidget() == progressPage_)
            rounds_->drawProgress(*progressPage_);
    });
    connect(pages_, &PageControl::pageChosenByKeys, speaker_, &Speaker::say);
}

void MainWindow::applyLanguage(Language language)
{
    const WindowTexts& window = windowTexts();
    setWindowTitle(window.caption.in(language));
    statusBar_->setPanelText(StatusBar::kPhasePanel, window.phase.in(language));
    statusBar_->setPanelText(StatusBar::kResultPanel, window.result.in(language));
    statusBar_->setPanelText(StatusBar::kLinkPanel, window.donation.in(language));
    statusBar_->setAccessibleName(window.statusBar.in(language));
    setNoBrowserMessage(speechTexts().noBrowser.in(language));
    TextFieldAccessible::setLanguage(language);
    trainer_->retranslate(language);
    statistics_->retranslate(language);
    lists_->retranslate(language);
    info_->retranslate(language);
    for (const auto& [action, text] : menuCaptions_)
        action->setText(text->in(language));
    rounds_->retranslate(language);
    progressPage_->retranslate(language);
    // One software menu a language; the other language's menu hides, and only
    // the shown one has a letter that opens it with Alt.
    for (std::size_t i = 0; i < softwareMenus_.size(); ++i) {
        const bool shown = quiz::kLanguages[i] == language;
        QString title = softwareMenuTexts().title.in(language);
        softwareMenus_[i]->menuAction()->setVisible(shown);
        softwareMenus_[i]->menuAction()->setText(shown ? title : title.remove(QLatin1Char('&')));
    }
    editor_->retranslate(language);

    pages_->selectPage(trainer_);
    for (std::size_t i = 0; i < languageEntries_.size(); ++i)
        languageEntries_[i]->setChecked(quiz::kLanguages[i] == language);
}

void MainWindow::showPage(QWidget* page)
{
    pages_->setPageVisible(page, true);
    pages_->selectPage(page);
}

// The report window of the interface language.
void MainWindow::showReportDialog()
{
    ReportDialog* dialog = quiz::PerLanguage<ReportDialog*>{reportGerman_, reportEnglish_}.in(language_.current());
    if (!dialog)
        return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// ---------------------------------------------------------------- the window itself

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous() || centred_)
        return;
    centred_ = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The closing dialog is left through its OK only; should it return any
    // other way, nothing was decided and the program goes on.
    if (closing_) {
        closing_->retranslate(language_.current());
        if (closing_->exec() != QDialog::Accepted) {
            event->ignore();
            return;
        }
    }
    event->accept();
    rounds_->keepOpenRound();
    start_.close();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    keepMinimumOuterSize();
    trainer_->layoutFor(trainer_->width(), trainer_->height());
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    keepMinimumOuterSize();
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // The window manager has framed the window by the time it activates it.
    if (event->type() == QEvent::ActivationChange)
        keepMinimumOuterSize();
}

// The smallest size is that of the whole window, frame and title bar
// included, once the window manager has told how large its frame is.
void MainWindow::keepMinimumOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize minimum(kMinimumWidth - frame.width(), kMinimumHeight - frame.height());
    if (minimum != minimumSize())
        setMinimumSize(minimum);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // A focused button takes Enter for itself; anywhere else but in a text
    // field Enter means "Richtig", when that button can be pressed.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        if (focused->isEnabled())
            focused->click();
        return;
    }
    QPushButton* correct = trainer_->correctButton();
    if (correct->isVisible() && correct->isEnabled())
        correct->click();
}

}  // namespace lernwerk
