#pragma once

#include <QString>

#include <memory>

namespace lernwerk {

class ErrorReporter;
class InterfaceLanguage;
class StandardDialogTexts;
class ReportDialog;
class ClosingDialog;
class MainWindow;
class StartScreen;

// The program's five windows, created in their order: the start screen, the
// main window, the closing dialog and the two report dialogs. The entry point
// and the tests build the program the same way.
class Program {
public:
    // `programFolder` holds the last-list files (with a trailing separator;
    // it need not exist yet); the language marker files are looked for in
    // `workingFolder`. Failures of every window go to `errors`.
    Program(ErrorReporter& errors, const QString& programFolder, const QString& workingFolder);
    ~Program();

    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Where the running program keeps its last-list files, with a separator:
    // beside the program file, or the user's data folder when it is installed.
    static QString defaultLastListFolder();

    InterfaceLanguage& language() { return *language_; }
    StartScreen& startScreen() { return *startScreen_; }
    MainWindow& mainWindow() { return *mainWindow_; }
    ClosingDialog& closingDialog() { return *closingDialog_; }
    ReportDialog& germanReport() { return *germanReport_; }
    ReportDialog& englishReport() { return *englishReport_; }

    // True once the start screen was closed: the program has ended.
    bool ended() const { return ended_; }

private:
    std::unique_ptr<InterfaceLanguage> language_;
    std::unique_ptr<StartScreen> startScreen_;
    std::unique_ptr<StandardDialogTexts> dialogTexts_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<ClosingDialog> closingDialog_;
    std::unique_ptr<ReportDialog> germanReport_;
    std::unique_ptr<ReportDialog> englishReport_;
    bool ended_ = false;
};

}  // namespace lernwerk
