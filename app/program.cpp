#include "app/program.h"

#include <QCoreApplication>

#include "app/main_window.h"
#include "app/standard_dialog_texts.h"
#include "app/start_screen.h"
#include "desktop/error_reporter.h"
#include "desktop/last_list_files.h"
#include "desktop/web_links.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"
#include "lang/interface_language.h"
#include "lang/window_texts.h"

namespace lernwerk {

Program::Program(ErrorReporter& errors, const QString& programFolder, const QString& workingFolder)
{
    errors.setTitle(windowTexts().caption.in(Language::German));
    watchBrowserStarts(&errors);
    language_ = std::make_unique<InterfaceLanguage>();
    startScreen_ = std::make_unique<StartScreen>(*language_, errors, workingFolder);
    dialogTexts_ = std::make_unique<StandardDialogTexts>(*language_);
    mainWindow_ = std::make_unique<MainWindow>(*startScreen_, *language_, errors, programFolder);
    closingDialog_ = std::make_unique<ClosingDialog>(
        mainWindow_.get(), *language_, errors, [this] { return mainWindow_->programFolder(); },
        [this] { return mainWindow_->questionListText(); });
    germanReport_ = std::make_unique<ReportDialog>(errors, Language::German);
    englishReport_ = std::make_unique<ReportDialog>(errors, Language::English);
    // OK in the closing dialog ends the program.
    QObject::connect(closingDialog_.get(), &ClosingDialog::confirmed, startScreen_.get(), &StartScreen::close);

    mainWindow_->setDialogs(closingDialog_.get(), germanReport_.get(), englishReport_.get());
    startScreen_->setHandOver([this] { mainWindow_->handOver(); });
    QObject::connect(startScreen_.get(), &StartScreen::closed, [this] {
        ended_ = true;
        QCoreApplication::quit();
    });
    startScreen_->startWaiting();
}

Program::~Program() { watchBrowserStarts(nullptr); }

QString Program::defaultLastListFolder() { return lastListFolder(programFolderPath()); }

}  // namespace lernwerk
