// The start-up floor: a bare Qt Widgets program that shows one borderless
// 300 x 215 picture window, the start screen's size, and nothing else. Run by
// startup.py; with LERNWERK_REPORT_MAPPED set it prints the monotonic clock in
// nanoseconds when the window is first on screen and ends.

#include <QApplication>
#include <QLabel>
#include <QPixmap>

#include "app/startup_report.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setFixedSize(300, 215);
    window.setPixmap(QPixmap(QStringLiteral(BARE_WINDOW_PICTURE)));
    // The program's own report, so that both are timed alike.
    lernwerk::StartupReport startupReport(window);
    window.show();
    return application.exec();
}
