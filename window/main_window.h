#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "lang/interface_language.h"
#include "quiz/round.h"

namespace lernwerk {

class ClosingDialog;
class EditorPage;
class ErrorReporter;
class InfoPageSet;
class ListsPage;
class MemoryRounds;
class MainMenus;
class PageControl;
class ProgressPage;
class ProgressRecorder;
class QuestionFieldLook;
class ReportDialog;
class RoundPresenter;
class SessionStart;
class Speaker;
class StartScreen;
class StatisticsPage;
class StatusBar;
class TrainerPage;

// The main window: it creates the trainer, statistics, lists, editor,
// progress and information pages, the menus and the status bar, and connects
// each menu entry and button to the part of the program that does the work.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `programFolder` holds the last-list files and ends with a separator.
    MainWindow(StartScreen& start, InterfaceLanguage& language, ErrorReporter& errors, QString programFolder);
    ~MainWindow() override;

    // The closing dialog, created after this window, and the report window
    // in a language, which may be built only when asked for.
    void setDialogs(ClosingDialog* closing, std::function<ReportDialog&(Language)> report);

    QString programFolder() const { return programFolder_; }
    // The question list as one text, lines separated by CR LF.
    std::u16string questionListText() const;
    // The start screen hands over: the main window is shown and brought to the front.
    void handOver();
    // Loads a list file given from outside (a drop, the command line), as
    // "Liste Laden.." loads the file it is given, and shows the lists page.
    void openListFile(const QString& fileName);
    // The list named on the command line: loaded at the hand-over, after the
    // last list was read; it wins over a list the activation would restore.
    void openAfterHandOver(const QString& fileName);
    // The tallies of the round in progress, or of the last one.
    const quiz::RoundState& roundState() const;
    // The learner's memory of markings and rounds.
    ProgressRecorder& progress() const { return *progress_; }
    // Ends the program as Ctrl+Q does, without asking: the round is kept and
    // the last list left as it was (the desktop's session ends, SIGTERM).
    void endWithoutAsking() { end(false); }

protected:
    // Asks the closing dialog first; the program ends once it was confirmed.
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The round is kept under the list as the next run finds it: as it stands when `listSaved`.
    void end(bool listSaved);
    void createPages();
    void applyLanguage(Language language);
    // Draws the progress page anew when it is the page on display.
    void redrawProgress();
    void showPage(QWidget* page);
    // The report window of the interface language.
    void showReportDialog();

    StartScreen& start_;
    InterfaceLanguage& language_;
    ErrorReporter& errors_;
    QString programFolder_;
    bool ending_ = false;
    ClosingDialog* closing_ = nullptr;
    std::function<ReportDialog&(Language)> report_;

    PageControl* pages_ = nullptr;
    StatusBar* statusBar_ = nullptr;
    Speaker* speaker_ = nullptr;
    TrainerPage* trainer_ = nullptr;
    StatisticsPage* statistics_ = nullptr;
    ListsPage* lists_ = nullptr;
    EditorPage* editor_ = nullptr;
    ProgressPage* progressPage_ = nullptr;
    std::unique_ptr<InfoPageSet> info_;
    MainMenus* menus_ = nullptr;

    std::unique_ptr<ProgressRecorder> progress_;
    std::unique_ptr<QuestionFieldLook> look_;
    RoundPresenter* presenter_ = nullptr;
    MemoryRounds* rounds_ = nullptr;
    SessionStart* session_ = nullptr;
};

}  // namespace lernwerk
