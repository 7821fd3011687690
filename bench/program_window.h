#pragma once

// The whole program built in-process as the entry point builds it, for the
// benchmarks that measure the real windows. The start screen's timer is held,
// so that no hand-over falls into a measurement.

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include <benchmark/benchmark.h>

#include "app/application.h"
#include "app/program.h"
#include "desktop/error_reporter.h"
#include "window/main_window.h"
#include "window/start_screen.h"

namespace bench {

inline lernwerk::ErrorReporter& benchReporter()
{
    static lernwerk::ErrorReporter reporter;
    return reporter;
}

class ProgramWindow {
public:
    ProgramWindow()
    {
        program_ =
            std::make_unique<lernwerk::Program>(benchReporter(), folder_.path() + QLatin1Char('/'), folder_.path());
        // The timer starts once the event loop runs; let that happen, then hold it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        program_->startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    }

    template <typename Control>
    Control* control(const char* name) const
    {
        return program_->mainWindow().findChild<Control*>(QString::fromLatin1(name));
    }
    QPlainTextEdit* memo(const char* name) const { return control<QPlainTextEdit>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    lernwerk::MainWindow& mainWindow() { return program_->mainWindow(); }

private:
    QTemporaryDir folder_;
    std::unique_ptr<lernwerk::Program> program_;
};

// The main function of a benchmark program that builds real windows: on the
// offscreen platform, with the program's application object.
inline int runWindowBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    lernwerk::Application application(argc, argv, benchReporter());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
