#include "app/program.h"

#include <QApplication>

#include "app/end_signals.h"
#include "app/standard_dialog_texts.h"
#include "desktop/error_reporter.h"
#include "desktop/last_list_files.h"
#include "desktop/web_links.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"
#include "lang/interface_language.h"
#include "lang/window_texts.h"
#include "widgets/controls.h"
#include "window/main_window.h"
#include "window/start_screen.h"

namespace lernwerk {

Program::Program(ErrorReporter& errors, const QString& programFolder, const QString& workingFolder) : errors_(&errors)
{
    errors.setTitle(windowTexts().caption.in(Language::German));
    watchBrowserStarts(&errors);
    language_ = std::make_unique<InterfaceLanguage>();
    startScreen_ = std::make_unique<StartScreen>(*language_, errors, workingFolder);
    dialogTexts_ = std::make_unique<StandardDialogTexts>(*language_);
    startScreen_->setBuildBehind([this, programFolder] { buildWindows(programFolder); });
    startScreen_->setHandOver([this] { mainWindow().handOver(); });
    QObject::connect(startScreen_.get(), &StartScreen::closed, [this] {
        ended_ = true;
        QCoreApplication::quit();
    });
    startScreen_->startWaiting();
}

void Program::buildWindows(const QString& programFolder)
{
    QApplication::setFont(programFont());
    mainWindow_ = std::make_unique<MainWindow>(*startScreen_, *language_, *errors_, programFolder);
    // SIGTERM, SIGHUP: the program ends in good order, without asking.
    QObject::connect(new EndSignals(mainWindow_.get()), &EndSignals::endRequested, mainWindow_.get(),
                     [window = mainWindow_.get()] { window->endWithoutAsking(); });
    closingDialog_ = std::make_unique<ClosingDialog>(
        mainWindow_.get(), *language_, *errors_, [this] { return mainWindow_->programFolder(); },
        [this] { return mainWindow_->questionListText(); });
    // OK in the closing dialog ends the program.
    QObject::connect(closingDialog_.get(), &ClosingDialog::confirmed, startScreen_.get(), &StartScreen::close);
    mainWindow_->setDialogs(closingDialog_.get(), [this](Language language) -> ReportDialog& {
        return language == Language::German ? germanReport() : englishReport();
    });
    if (!givenList_.isEmpty())
        mainWindow_->openAfterHandOver(givenList_);
}

void Program::openAfterHandOver(const QString& fileName)
{
    if (mainWindow_)
        mainWindow_->openAfterHandOver(fileName);
    else
        givenList_ = fileName;
}

MainWindow& Program::mainWindow()
{
    startScreen_->buildBehind();
    return *mainWindow_;
}

ClosingDialog& Program::closingDialog()
{
    startScreen_->buildBehind();
    return *closingDialog_;
}

// The report windows are built when first shown: most runs never show them.
ReportDialog& Program::germanReport()
{
    if (!germanReport_)
        germanReport_ = std::make_unique<ReportDialog>(*errors_, Language::German);
    return *germanReport_;
}

ReportDialog& Program::englishReport()
{
    if (!englishReport_)
        englishReport_ = std::make_unique<ReportDialog>(*errors_, Language::English);
    return *englishReport_;
}

Program::~Program() { watchBrowserStarts(nullptr); }

QString Program::defaultLastListFolder() { return lastListFolder(programFolderPath()); }

}  // namespace lernwerk
