#include <QDir>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/application.h"
#include "app/program.h"
#include "app/tstart.h"
#include "widgets/error_box.h"

namespace {

// With LERNWERK_REPORT_MAPPED set, the program prints the monotonic clock in
// nanoseconds when the start screen is first on screen, and ends there: the
// start-up benchmark (bench/startup.py) measures with it.
class ReportMapped : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv)
{
    lernwerk::ErrorReporter errors;
    lernwerk::Application application(argc, argv, errors);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/lernwerk.png")));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.malke_studio.lernwerk"));

    lernwerk::Program program(errors, lernwerk::Program::defaultLastListFolder(), QDir::currentPath());
    ReportMapped reportMapped;
    if (qEnvironmentVariableIsSet("LERNWERK_REPORT_MAPPED")) {
        program.start().winId();  // creates the window, to watch it from its first event
        program.start().windowHandle()->installEventFilter(&reportMapped);
    }
    program.start().show();
    return application.exec();
}
