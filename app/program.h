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

// The program's five windows: the start screen, and behind it the main window,
// the closing dialog and the two report dialogs. The start screen is built
// first and shows while the main window and the closing dialog are built,
// once it is on screen or when one of them is first asked for; each report
// dialog is built when it is first shown. The entry point and the tests build the
// program the same way.
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
    MainWindow& mainWindow();
    ClosingDialog& closingDialog();
    ReportDialog& germanReport();
    ReportDialog& englishReport();

    // The list given on the command line, opened when the start screen hands over.
    void openAfterHandOver(const QString& fileName);

    // True once the start screen was closed: the program has ended.
    bool ended() const { return ended_; }

private:
    void buildWindows(const QString& programFolder);

    ErrorReporter* errors_;
    std::unique_ptr<InterfaceLanguage> language_;
    std::unique_ptr<StartScreen> startScreen_;
    std::unique_ptr<StandardDialogTexts> dialogTexts_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<ClosingDialog> closingDialog_;
    std::unique_ptr<ReportDialog> germanReport_;
    std::unique_ptr<ReportDialog> englishReport_;
    QString givenList_;
    bool ended_ = false;
};

}  // namespace lernwerk
