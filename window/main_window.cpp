#include "window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSessionManager>
#include <QVBoxLayout>

#include "desktop/error_reporter.h"
#include "desktop/focus_return.h"
#include "desktop/speaker.h"
#include "desktop/web_links.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"
#include "import/source_file.h"
#include "lang/speech_texts.h"
#include "lang/window_texts.h"
#include "pages/editor_page.h"
#include "pages/info_page_set.h"
#include "pages/lists_page.h"
#include "pages/progress_page.h"
#include "pages/statistics_page.h"
#include "pages/trainer_page.h"
#include "trainer/day_glance.h"
#include "trainer/day_watch.h"
#include "trainer/memory_rounds.h"
#include "trainer/progress_recorder.h"
#include "trainer/round_commands.h"
#include "trainer/round_presenter.h"
#include "widgets/controls.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"
#include "widgets/text_field.h"
#include "widgets/text_field_accessible.h"
#include "window/file_drop.h"
#include "window/main_menus.h"
#include "window/question_field_look.h"
#include "window/session_start.h"
#include "window/start_screen.h"
#include "window/window_placement.h"

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
    lists_->setProgramFolder(programFolder_);

    presenter_ =
        new RoundPresenter({language_, *trainer_, *statusBar_, *statistics_, *lists_, *pages_, *speaker_}, this);
    presenter_->takeRoundKeysIn(*this);
    rounds_ = new MemoryRounds(*progress_, *lists_, *presenter_, language_, this);
    connect(presenter_, &RoundPresenter::ended, rounds_, &MemoryRounds::finished);
    // The progress page, while it shows, follows the counts (after a round, a
    // forgotten list, a changed list) and the day.
    connectGuarded(rounds_, &MemoryRounds::countsChanged, this, errors_, &MainWindow::redrawProgress);
    presenter_->setRoundState([this]() -> const quiz::RoundState& { return rounds_->active().state(); });
    presenter_->setClosingWords([this] { return rounds_->nextReviewSentence(); });
    lists_->setLineHistory([this](const QString& line) { return rounds_->lineHistory(line); });
    // Another list never runs under the round of this one.
    lists_->setListReplacing([this] { return rounds_->mayLoadOtherList(); }, [this] { rounds_->otherListLoading(); });
    // The day at a glance, counted anew with the due questions and at midnight.
    auto* glance = new DayGlance({*rounds_, *trainer_, *lists_, language_, *speaker_}, this);
    connect(rounds_, &MemoryRounds::countsChanged, glance, &DayGlance::countsChanged);
    connect(rounds_, &MemoryRounds::told, glance, &DayGlance::tell);
    connect(&language_, &InterfaceLanguage::changed, glance, &DayGlance::countsChanged);
    auto* dayWatch = new DayWatch(this);
    // A new day: counted anew, which draws the progress page anew too.
    connectGuarded(dayWatch, &DayWatch::dayChanged, rounds_, errors_, [this] { rounds_->refresh(); });
    connectGuarded(trainer_, &TrainerPage::commandPressed, rounds_, errors_,
                   [this](int index) { roundCommands()[static_cast<std::size_t>(index)].run(*rounds_); });
    connectGuarded(lists_, &ListsPage::newSessionRequested, rounds_, errors_, &MemoryRounds::startWholeList);
    connectGuarded(editor_, &EditorPage::listHandedOver, this, errors_,
                   [this](const QStringList& lines, const QString& name) {
                       lists_->takeList(lines, name);
                       rounds_->startWholeList();
                   });
    look_ = std::make_unique<QuestionFieldLook>(this, language_);
    menus_ = new MainMenus({*this,
                            errors_,
                            language_,
                            *speaker_,
                            *rounds_,
                            *info_,
                            *look_,
                            *progress_,
                            *trainer_,
                            *lists_,
                            {trainer_, statistics_, lists_, editor_},
                            *progressPage_,
                            [this](QWidget* page) { showPage(page); },
                            [this] { showReportDialog(); }});
    lists_->takeLoadKeyIn(*this);

    // Files dropped on the window, the question list or the trainer's fields are loaded as lists.
    acceptListDrops(*this, {trainer_, lists_}, errors_, language_, [this](const QString& file) { openListFile(file); });

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    new WindowPlacement(*this, {kMinimumWidth, kMinimumHeight});

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
    // Logout, shutdown: the program ends in good order, without asking (SIGTERM and SIGHUP: see Program).
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { endWithoutAsking(); });
    // No save goes over the loaded list or a file the program keeps.
    editor_->setRefusal([this](const QString& target) { return rounds_->refusedTarget(target); });
    lists_->setLoadedList([this] { return rounds_->loadedList(); });

    applyLanguage(language_.current());
    info_->scrollToTop();
    session_->readLastLists();
}

MainWindow::~MainWindow() = default;

void MainWindow::setDialogs(ClosingDialog* closing, std::function<ReportDialog&(Language)> report)
{
    closing_ = closing;
    report_ = std::move(report);
}

std::u16string MainWindow::questionListText() const { return fieldText(*lists_->questionField()); }

void MainWindow::handOver() { session_->handOver(); }

void MainWindow::openListFile(const QString& fileName)
{
    // Another trainer's file opens the import's preview, once the window
    // that handed it over (a drop, the start) is done.
    if (listimport::isImportFile(fileName.toStdU16String())) {
        QMetaObject::invokeMethod(
            this,
            [this, fileName] {
                errors_.guarded([&] {
                    showPage(lists_);
                    lists_->importFile(fileName);
                });
            },
            Qt::QueuedConnection);
        return;
    }
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
    trainer_ = new TrainerPage(roundButtons());
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

void MainWindow::redrawProgress()
{
    if (pages_->currentWidget() == progressPage_)
        rounds_->drawProgress(*progressPage_);
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
    TextFieldAccessible::setLanguage(*this, language);
    trainer_->retranslate(language);
    statistics_->retranslate(language);
    lists_->retranslate(language);
    info_->retranslate(language);
    menus_->retranslate(language);
    rounds_->retranslate(language);
    progressPage_->retranslate(language);
    editor_->retranslate(language);

    pages_->selectPage(trainer_);
}

void MainWindow::showReportDialog()
{
    if (report_)
        report_(language_.current()).showInFront();
}

void MainWindow::showPage(QWidget* page)
{
    pages_->setPageVisible(page, true);
    pages_->selectPage(page);
}

// ---------------------------------------------------------------- the window itself

void MainWindow::end(bool listSaved)
{
    if (ending_)
        return;
    ending_ = true;
    rounds_->keepOpenRound(listSaved);
    // Ends every event loop, also that of a dialog or message box still open.
    start_.close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Ending already (the application closes every window as it quits): nothing more to ask.
    if (ending_) {
        event->accept();
        return;
    }
    if (closing_ && !closing_->ask()) {
        event->ignore();
        return;
    }
    event->accept();
    end(closing_ && closing_->listSaved());
}

// The trainer page is laid out for its size also while it is hidden, which
// brings it no resize events.
void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    trainer_->layoutFor(trainer_->width(), trainer_->height());
}

}  // namespace lernwerk
