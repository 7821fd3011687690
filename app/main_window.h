#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

#include "lang/interface_language.h"
#include "quiz/round.h"

class QAction;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QFileDialog;
class QWindow;

namespace lernwerk {

enum class InfoTopic;

class EditorPage;
class ErrorReporter;
class InfoPageSet;
class InterfaceLanguage;
class ListsPage;
class MemoryRounds;
class MenuBuilder;
class QuestionFieldLook;
class StatisticsPage;
class TrainerPage;
class MemoQuestionList;
class MemoStatusList;
class PageControl;
class ProgressPage;
class ProgressRecorder;
class Speaker;
class StatusBar;
class ReportDialog;
class ClosingDialog;
class StartScreen;

// The main window: trainer, statistics, lists, editor and information pages,
// the menus and the status bar. Its handlers keep the names of the events they
// answer.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programFolder` holds the last-list files and ends with a separator.
    MainWindow(StartScreen& start, InterfaceLanguage& language, ErrorReporter& errors, QString programFolder);
    ~MainWindow() override;

    // The windows created after this one.
    void setDialogs(ClosingDialog* ende, ReportDialog* bugreportDe, ReportDialog* bugreportEn);

    QString programFolder() const { return programFolder_; }
    // The question list as one text, lines separated by CR LF.
    std::u16string questionListText() const;
    // The start screen hands over: the main window is shown and brought to the front.
    void handOver();
    // Loads a list file given from outside (a drop), as "Liste Laden.." loads
    // the file it is given, and shows the lists page.
    void openListFile(const QString& fileName);
    // The list named on the command line: loaded at the hand-over, after the
    // last list was read; it wins over a list the activation would restore.
    void openAfterHandOver(const QString& fileName);
    const quiz::RoundState& roundState() const;
    // The learner's memory of markings and rounds.
    ProgressRecorder& progress() const { return *progress_; }

    // Life cycle
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormResize();
    // Asks the closing dialog; true when it was confirmed and the close may go on.
    bool FormCloseQuery();
    void FormClose();

    // Program and window menus
    void p1Click();
    void p2Click();
    void p3Click();
    void f1Click();
    void f2Click();
    void f3Click();
    void f4Click();
    void m_bugClick();
    void m_bug_iClick();

    // Question round
    void Button1Click();
    void fragestellen(quiz::Marking marking);
    void bt_solveClick();
    void blattChange();

    // Lists page
    void Button2Click();

    // Editor page
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();

    // Information pages: the entries of the Windows, Help and Information
    // and software menus show the page of the interface language.
    void f5Click();
    void f6Click();
    void f7Click();
    void f8Click();
    void Software1Click();
    void showInfoPage(InfoTopic topic);
    // The handler of the menu entries that show `topic`.
    void showInfoPageByMenu(InfoTopic topic);

    // Language, font and colour
    void sprache();
    void sp1Click();
    void sp2Click();
    void chooseLanguage(Language language);
    void Schrift1Click();
    void hfClick();
    void Vergleich1Click();
    void rememberProgressClick();
    void forgetProgressClick();

    // The learner's memory: File > Review Due Questions, Repeat Missed, Save Missed As...
    void reviewDueClick();
    void repeatMissedClick();
    void saveMissedClick();
    void continueRoundClick();
    // Windows > Progress: the plots of the learner's memory.
    void progressClick();

    // Web links
    void BrowseToMenuCaption(QAction* entry);
    void anzeigeClick(int x);

    // Makes a page's tab visible and brings the page to the front, without
    // the handling that a click on a tab runs.
    void showPage(QWidget* page);
    void hidePage(QWidget* page);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createPages();
    void addInfoPages();
    void createMenus();
    QMenu* createProgramMenu(MenuBuilder& menus, QMenuBar* bar);
    QMenu* createWindowsMenu(MenuBuilder& menus, QMenuBar* bar);
    QMenu* createSettingsMenu(MenuBuilder& menus, QMenuBar* bar);
    QMenu* createHelpMenu(MenuBuilder& menus, QMenuBar* bar);
    void addShortcuts(QMenu* firstMenu);
    void createStatusBar();
    void acceptListDrops();
    void keepMinimumOuterSize();
    void scrollInfoPagesToTop();
    void readLastListAtCreation(const QString& fileName);
    void watchFocus(QWindow* now);
    void tellHowToStart();
    void exchangeInfoTabs(Language language);

    StartScreen& start_;
    InterfaceLanguage& language_;
    ErrorReporter& errors_;
    QString programFolder_;
    ClosingDialog* ende_ = nullptr;
    ReportDialog* bugreportDe_ = nullptr;
    ReportDialog* bugreportEn_ = nullptr;

    PageControl* blatt = nullptr;
    StatusBar* anzeige = nullptr;
    Speaker* speaker_ = nullptr;
    TrainerPage* trainer_ = nullptr;
    QMenu* softwareGerman_ = nullptr;
    QMenu* softwareEnglish_ = nullptr;
    QAction* sp1 = nullptr;
    QAction* sp2 = nullptr;
    QAction* Vergleich1 = nullptr;
    QAction* rememberProgress_ = nullptr;
    QAction* reviewDue_ = nullptr;
    QAction* repeatMissed_ = nullptr;
    QAction* saveMissed_ = nullptr;
    QAction* continueRound_ = nullptr;
    MemoryRounds* rounds_ = nullptr;
    ProgressPage* progressPage_ = nullptr;
    // The menu entries and the texts they show, for the language switch.
    std::vector<std::pair<QAction*, const Text*>> menuCaptions_;
    StatisticsPage* statistics_ = nullptr;
    ListsPage* lists_ = nullptr;
    EditorPage* editor_ = nullptr;
    std::unique_ptr<InfoPageSet> info_;

    bool handOverPending_ = false;
    bool shownOnce_ = false;
    bool centred_ = false;
    QPointer<QWindow> lastFocusWindow_;
    QString givenList_;
    bool givenListWins_ = false;

    std::unique_ptr<MemoQuestionList> questions_;
    std::unique_ptr<MemoStatusList> status_;
    std::unique_ptr<QuestionFieldLook> look_;
    std::unique_ptr<quiz::Round> round_;
    std::unique_ptr<ProgressRecorder> progress_;
};

}  // namespace lernwerk
