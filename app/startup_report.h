#pragma once

#include <QObject>

class QWidget;

namespace lernwerk {

// Prints the monotonic clock in nanoseconds and ends the program at once.
[[noreturn]] void reportMomentAndEnd();

// With LERNWERK_REPORT_MAPPED set in the environment, the program prints the
// monotonic clock in nanoseconds when the start screen is first on screen,
// and ends there: the start-up benchmark (bench/startup.py) measures with it.
// Without the variable it does nothing.
class StartupReport : public QObject {
public:
    explicit StartupReport(QWidget& firstWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace lernwerk
