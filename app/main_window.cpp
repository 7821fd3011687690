#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "app/answer_marks.h"
#include "app/memory_rounds.h"
#include "app/progress_page.h"
#include "app/progress_recorder.h"
#include "app/question_field_look.h"
#include "app/start_screen.h"
#include "app/statistics_page.h"
#include "app/trainer_page.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/info_page_set.h"
#include "dialogs/report_dialog.h"
#include "lang/editor_texts.h"
#include "lang/interface_language.h"
#include "lang/lists_texts.h"
#include "lang/speech_texts.h"
#include "lists/editor_page.h"
#include "lists/lists_page.h"
#include "textfile/text_file_codec.h"
#include "widgets/controls.h"
#include "widgets/error_reporter.h"
#include "widgets/focus_return.h"
#include "widgets/last_list_files.h"
#include "widgets/memo_lists.h"
#include "widgets/page_control.h"
#include "widgets/speaker.h"
#include "widgets/status_bar.h"
#include "widgets/status_column.h"
#include "widgets/text_field.h"
#include "widgets/timestamp.h"

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
    createStatusBar();
    createPages();
    createMenus();
    acceptListDrops();

    questions_ = std::make_unique<MemoQuestionList>(*lists_->questionField());
    status_ = std::make_unique<MemoStatusList>(*lists_->statusField());
    round_ = std::make_unique<quiz::Round>(*questions_, *status_, static_cast<quiz::RoundView&>(*trainer_));
    rounds_ = new MemoryRounds(*progress_, *questions_, *lists_->statusField(), *round_, *trainer_, language_, this);
    rounds_->setActions({reviewDue_, repeatMissed_, saveMissed_, continueRound_});
    connect(lists_->questionField(), &QPlainTextEdit::textChanged, rounds_, &MemoryRounds::listChanged);

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) { watchFocus(now); });
    // What is said while the focus returns from a dialog is said once it is back.
    auto* focusReturn = new FocusReturn(*this);
    connect(focusReturn, &FocusReturn::returnStarted, speaker_, &Speaker::hold);
    connect(focusReturn, &FocusReturn::returned, speaker_, &Speaker::release);
    connectGuarded(&language_, &InterfaceLanguage::changed, this, errors_, &MainWindow::sprache);

    FormCreate();
}

MainWindow::~MainWindow() = default;

void MainWindow::setDialogs(ClosingDialog* ende, ReportDialog* bugreportDe, ReportDialog* bugreportEn)
{
    ende_ = ende;
    bugreportDe_ = bugreportDe;
    bugreportEn_ = bugreportEn;
}

std::u16string MainWindow::questionListText() const { return fieldText(*lists_->questionField()); }

void MainWindow::showPage(QWidget* target)
{
    blatt->setPageVisible(target, true);
    blatt->selectPage(target);
}

void MainWindow::hidePage(QWidget* target) { blatt->setPageVisible(target, false); }

// ---------------------------------------------------------------- life cycle

void MainWindow::FormCreate()
{
    sprache();
    scrollInfoPagesToTop();
    // Each file is read on its own: an unreadable German list shows its error
    // and the English one is still read, so closing in English cannot replace
    // the user's English list with the sample.
    errors_.guarded([this] { readLastListAtCreation(lastListFileName(Language::German)); });
    errors_.guarded([this] { readLastListAtCreation(lastListFileName(Language::English)); });
}

void MainWindow::readLastListAtCreation(const QString& fileName)
{
    const QString path = programFolder_ + fileName;
    if (!QFileInfo(path).isFile())
        return;
    setFieldText(*lists_->questionField(), textfile::ReadTextFile(path.toStdU16String()));
}

void MainWindow::handOver()
{
    const bool first = !shownOnce_;
    if (first) {
        shownOnce_ = true;
        handOverPending_ = true;
    }
    show();
    raise();
    // The progress file is opened once the window is up, so that start-up does not wait for it.
    QTimer::singleShot(0, this, [this] {
        progress_->open();
        rounds_->refresh();
    });
    // The list named on the command line is loaded before the window is
    // activated, so that the activation step of the hand-over, which would
    // restore a named list, leaves it in place. One that cannot be read shows
    // its error and changes nothing.
    if (first && !givenList_.isEmpty()) {
        errors_.guarded([this] {
            openListFile(std::exchange(givenList_, QString()));
            givenListWins_ = true;
        });
    }
    activateWindow();
}

void MainWindow::FormShow()
{
    // The main window carries its own taskbar entry on this platform; the
    // start screen never has one. Nothing to do.
}

void MainWindow::watchFocus(QWindow* now)
{
    if (now && (now->type() == Qt::Popup || now->type() == Qt::ToolTip))
        return;  // menus and tool tips come and go without counting
    // A guarded pointer: the window that had the focus before (a message box,
    // a file dialog) may be destroyed by now.
    const QPointer<QWindow> before = lastFocusWindow_;
    lastFocusWindow_ = now;
    if (!now || now != windowHandle())
        return;

    // The hand-over counts as coming from the start screen even where the
    // window manager never gave the borderless start screen the focus.
    const bool fromHandOver = handOverPending_;
    handOverPending_ = false;
    const bool fromOwnWindow = before && before != now && before->modality() == Qt::NonModal;
    if (fromHandOver || fromOwnWindow)
        errors_.guarded([this] { FormActivate(); });
    if (fromHandOver)
        tellHowToStart();
}

// A newcomer hears what a sighted one reads in the question field: how to
// start. Queued: the screen reader first hears of the window and its focus.
void MainWindow::tellHowToStart()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!trainer_->correctButton()->isEnabled())
                speaker_->say(firstStepsText(language_.current()));
        },
        Qt::QueuedConnection);
}

void MainWindow::FormActivate()
{
    round_->clear_tallies();
    if (std::exchange(givenListWins_, false))
        return;
    if (lists_->restoreNamedList(programFolder_ + lastListFileName(Language::German)))
        Button1Click();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == trainer_ || watched == editor_))
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    keepMinimumOuterSize();
    FormResize();
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

void MainWindow::FormResize() { trainer_->layoutFor(trainer_->width(), trainer_->height()); }

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FormShow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

bool MainWindow::FormCloseQuery()
{
    if (!ende_)
        return true;
    ende_->retranslate(language_.current());
    // The dialog is left through its OK only; should it return any other
    // way, nothing was decided and the program goes on.
    return ende_->exec() == QDialog::Accepted;
}

void MainWindow::FormClose()
{
    rounds_->keepOpenRound();
    start_.close();
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

// ---------------------------------------------------------------- pages

void MainWindow::createStatusBar()
{
    anzeige = new StatusBar(this);
    setStatusBar(anzeige);
    connectGuarded(anzeige, &StatusBar::clicked, this, errors_, &MainWindow::anzeigeClick);
}

void MainWindow::createPages()
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    // The page control keeps these distances to the window's edges.
    layout->setContentsMargins(9, 8, 8, 6);
    blatt = new PageControl(client);
    layout->addWidget(blatt);
    setCentralWidget(client);

    speaker_ = new Speaker(this);
    statistics_ = new StatisticsPage;
    trainer_ = new TrainerPage(language_, *anzeige, *statistics_, *speaker_, [this] { return lists_->listName(); });
    trainer_->takeRoundKeysIn(*this);
    blatt->addTab(trainer_, QString());
    blatt->addTab(statistics_, QString());
    lists_ = new ListsPage(errors_, *speaker_);
    connectGuarded(lists_, &ListsPage::newSessionRequested, this, errors_, &MainWindow::Button1Click);
    editor_ = new EditorPage(errors_, *speaker_);
    connectGuarded(editor_, &EditorPage::closeRequested, this, errors_, [this] { hidePage(editor_); });
    connectGuarded(editor_, &EditorPage::listHandedOver, this, errors_,
                   [this](const QStringList& lines, const QString& name) {
                       lists_->takeList(lines, name);
                       Button1Click();
                   });
    blatt->addTab(lists_, QString());
    blatt->addTab(editor_, QStringLiteral("Editor"));
    progressPage_ = new ProgressPage(language_);
    blatt->addTab(progressPage_, QString());
    addInfoPages();

    blatt->setPageVisible(editor_, false);
    blatt->setPageVisible(progressPage_, false);
    trainer_->installEventFilter(this);
    editor_->installEventFilter(this);
    connectGuarded(blatt, &PageControl::userChange, this, errors_, &MainWindow::blattChange);
    connect(blatt, &PageControl::pageChosenByKeys, speaker_, &Speaker::say);
    // Before a round the trainer page holds nothing Tab can reach: it says
    // how to start instead.
    connect(blatt, &PageControl::tabGoesNowhere, this, [this] {
        if (blatt->currentWidget() == trainer_)
            tellHowToStart();
    });

    connectGuarded(trainer_, &TrainerPage::solveClicked, this, errors_, &MainWindow::bt_solveClick);
    connectGuarded(trainer_, &TrainerPage::markClicked, this, errors_, &MainWindow::fragestellen);
    connect(trainer_, &TrainerPage::showRequested, this, [this] { blatt->selectPage(trainer_); });
    // At the end of a round the learner goes on from "Neue Runde..".
    connect(trainer_, &TrainerPage::finished, this, [this] {
        rounds_->finished();
        showPage(lists_);
        lists_->focusNewSession();
    });
    look_ = std::make_unique<QuestionFieldLook>(this, language_);
}

// Lists page > "Neue Runde..": starts a round on the current list.
void MainWindow::Button1Click()
{
    rounds_->wholeListStarted();
    round_->restart();
}

// Trainer > "Richtig", "Falsch", "Zurückstellen": marks the question and asks the next.
void MainWindow::fragestellen(quiz::Marking marking) { rounds_->mark(marking); }

// Trainer > "Auflösen": shows the whole line with its gaps.
void MainWindow::bt_solveClick() { rounds_->active().reveal(); }

const quiz::RoundState& MainWindow::roundState() const { return rounds_->active().state(); }

// A click on a tab: the information pages start at their top.
void MainWindow::blattChange()
{
    scrollInfoPagesToTop();
    if (blatt->currentWidget() == progressPage_)
        rounds_->drawProgress(*progressPage_);
}

// Settings > Set Font..: font and colour of the trainer's fields.
void MainWindow::Schrift1Click() { look_->chooseFont(trainer_->questionFields()); }

// Settings > Set Background Color..: background of the trainer's fields.
void MainWindow::hfClick() { look_->chooseBackground(trainer_->questionFields()); }

// Settings > Compare Answer with Solution: whether revealing marks the gaps
// against the typed answer.
void MainWindow::Vergleich1Click() { trainer_->answerMarks().setEnabled(Vergleich1->isChecked()); }

// Settings > Remember Progress: whether markings are recorded for the rest of the run.
void MainWindow::rememberProgressClick() { progress_->setRecording(rememberProgress_->isChecked()); }

// Settings > Forget Progress of This List..: asks, then deletes the list's questions' history.
void MainWindow::forgetProgressClick() { rounds_->forgetList(); }

// File > Review Due Questions: a round over the due questions of the list, then new ones.
void MainWindow::reviewDueClick() { rounds_->startDue(); }

// File > Repeat Missed: a round over the questions missed in the last round.
void MainWindow::repeatMissedClick() { rounds_->startMissed(); }

// File > Save Missed As...: the missed questions' lines to a new file.
void MainWindow::saveMissedClick() { rounds_->saveMissed(); }

// File > Continue Last Round: the round the program was closed in goes on.
void MainWindow::continueRoundClick() { rounds_->continueRound(); }

void MainWindow::progressClick()
{
    rounds_->drawProgress(*progressPage_);
    showPage(progressPage_);
}

// ---------------------------------------------------------------- menus

// File > New Question Session: starts a round on the current list.
void MainWindow::p1Click() { Button1Click(); }

// File > Editor for Questionnaires: shows the editor page.
void MainWindow::p2Click() { showPage(editor_); }

// File > Close: closes the window through the closing dialog.
void MainWindow::p3Click() { close(); }

// Windows > Drillbook: shows the trainer page.
void MainWindow::f1Click() { showPage(trainer_); }

// Windows > Statistics: shows the round log.
void MainWindow::f2Click() { showPage(statistics_); }

// Windows > Questionnaire: shows the lists page.
void MainWindow::f3Click() { showPage(lists_); }

// Windows > Editor: shows the editor page.
void MainWindow::f4Click() { p2Click(); }

// File > Report Bug or Improvement..: shows the report window of the interface language.
void MainWindow::m_bugClick()
{
    ReportDialog* dialog = quiz::PerLanguage<ReportDialog*>{bugreportDe_, bugreportEn_}.in(language_.current());
    if (!dialog)
        return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

// Help and Information > Report Bug or Improvement..: as in the File menu.
void MainWindow::m_bug_iClick() { m_bugClick(); }

// ---------------------------------------------------------------- lists and editor pages

// Lists > "Liste Laden..": loads a list file into the question list.
void MainWindow::Button2Click() { lists_->loadList(); }
// Editor > "Liste Erstellen": appends the question lines built from the input.
void MainWindow::Button7Click() { editor_->buildList(); }
// Editor > "Input Löschen": empties the input.
void MainWindow::Button8Click() { editor_->clearInput(); }
// Editor > "Input Laden": loads a text file into the input.
void MainWindow::Button9Click() { editor_->loadInput(); }
// Editor > "Output Löschen": empties the output.
void MainWindow::Button10Click() { editor_->clearOutput(); }
// Editor > "Output Speichern": saves the output as a list file.
void MainWindow::Button11Click() { editor_->saveOutput(); }
// Editor > "Editor Schließen": hides the editor page.
void MainWindow::Button12Click() { editor_->closeEditor(); }
// Editor > "Lernwerk..": the output becomes the question list and a round starts.
void MainWindow::Button13Click() { editor_->handOverList(); }

}  // namespace lernwerk
