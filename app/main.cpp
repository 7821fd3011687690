#include <QDir>

#include "app/application.h"
#include "widgets/error_box_transition.h"
#include "app/program.h"
#include "app/tstart.h"

int main(int argc, char** argv)
{
    lernwerk::Application application(argc, argv);
    lernwerk::setApplicationTitle(QStringLiteral("Lernwerk - Jorin Malke Studio"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lernwerk.png")));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.malke_studio.lernwerk"));

    lernwerk::Program program(lernwerk::Program::defaultLastListFolder(), QDir::currentPath());
    program.start().show();
    return application.exec();
}
