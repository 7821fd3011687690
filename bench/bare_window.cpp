// The start-up floor: a bare Qt Widgets program that shows one borderless
// 300 x 215 picture window, the start screen's size, and nothing else. Run by
// startup.py; with LERNWERK_REPORT_MAPPED set it prints the monotonic clock in
// nanoseconds when the window is first on screen and ends.

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

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
    QApplication application(argc, argv);
    QLabel window(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window.setFixedSize(300, 215);
    window.setPixmap(QPixmap(QStringLiteral(BARE_WINDOW_PICTURE)));
    ReportMapped reportMapped;
    if (qEnvironmentVariableIsSet("LERNWERK_REPORT_MAPPED")) {
        window.winId();
        window.windowHandle()->installEventFilter(&reportMapped);
    }
    window.show();
    return application.exec();
}
