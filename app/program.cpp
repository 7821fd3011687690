#include "app/program.h"

#include <QCoreApplication>

#include "app/main_window.h"
#include "app/standard_dialog_texts.h"
#include "app/start_screen.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"
#include "lang/interface_language.h"
#include "lang/window_texts.h"
#include "widgets/error_reporter.h"
#include "widgets/last_list_files.h"
#include "widgets/web_links.h"

namespace lernwerk {

Program::Program(ErrorReporter& errors, const QString& programFolder, const QString& workingFolder)
{
    errors.setTitle(windowTexts().caption.in(Language::German));
    watchBrowserStarts(&errors);
    language_ = std::make_unique<InterfaceLanguage>();
    start_ = std::make_unique<StartScreen>(*language_, errors, workingFolder);
    dialogTexts_ = std::make_unique<StandardDialogTexts>(*language_);
    prog_ = std::make_unique<MainWindow>(*start_, *language_, errors, programFolder);
    ende_ = std::make_unique<ClosingDialog>(
        prog_.get(), *language_, errors, [this] { return prog_->programFolder(); },
        [this] { return prog_->questionListText(); });
    bugreportDe_ = std::make_unique<ReportDialog>(errors, Language::German);
    bugreportEn_ = std::make_unique<ReportDialog>(errors, Language::English);
    // OK in the closing dialog ends the program.
    QObject::connect(ende_.get(), &ClosingDialog::confirmed, start_.get(), &StartScreen::close);

    prog_->setDialogs(ende_.get(), bugreportDe_.get(), bugreportEn_.get());
    start_->setHandOver([this] { prog_->handOver(); });
    QObject::connect(start_.get(), &StartScreen::closed, [this] {
        ended_ = true;
        QCoreApplication::quit();
    });
    start_->startWaiting();
}

Program::~Program() { watchBrowserStarts(nullptr); }

QString Program::defaultLastListFolder() { return lastListFolder(QCoreApplication::applicationDirPath()); }

}  // namespace lernwerk
