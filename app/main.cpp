#include <QDir>

#include "app/application.h"
#include "app/command_line.h"
#include "app/late_key_warnings.h"
#include "app/program.h"
#include "app/startup_report.h"
#include "desktop/error_reporter.h"
#include "window/main_window.h"
#include "window/start_screen.h"

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("lernwerk"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LERNWERK_VERSION));
    lernwerk::answerInformationOptions(argc, argv);
    lernwerk::showLateKeyWarningOnce();

    lernwerk::ErrorReporter errors;
    lernwerk::Application application(argc, argv, errors);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lernwerk.png")));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.malke_studio.lernwerk"));
    // The application object has taken its own options out of the arguments.
    const QString listFile = lernwerk::listFileArgument(argc, argv);

    lernwerk::Program program(errors, lernwerk::Program::defaultLastListFolder(), QDir::currentPath());
    if (!listFile.isEmpty())
        program.openAfterHandOver(listFile);
    lernwerk::StartupReport startupReport(program.startScreen());
    // For bench/startup.py: the moment the main window stands built behind the start screen.
    if (qEnvironmentVariableIsSet("LERNWERK_REPORT_BUILT"))
        QObject::connect(&program.startScreen(), &lernwerk::StartScreen::builtBehind,
                         [] { lernwerk::reportMomentAndEnd(); });
    program.startScreen().show();
    return application.exec();
}
