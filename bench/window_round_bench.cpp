// A question round in the real main window on lists of growing length: loading
// the list into the question field, the restart that builds the status
// column, and single steps, which must stay cheap however long the list is.

#include <benchmark/benchmark.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <string>

#include "app/program.h"
#include "desktop/error_reporter.h"
#include "program_window.h"
#include "widgets/text_field.h"
#include "window/main_window.h"
#include "window/start_screen.h"

namespace {

std::u16string questionList(int lines)
{
    std::u16string text;
    for (int i = 0; i < lines; ++i) {
        const std::string number = std::to_string(i);
        text += u"Die Frage Nummer _";
        text.append(number.begin(), number.end());
        text += u"_ hat eine Lücke.\r\n";
    }
    return text;
}

using Window = bench::ProgramWindow;

void LoadAndRestart(benchmark::State& state)
{
    const std::u16string list = questionList(static_cast<int>(state.range(0)));
    Window window;
    for (auto _ : state) {
        lernwerk::setFieldText(*window.memo("Memo1"), list);
        window.button("Button1")->click();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LoadAndRestart)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Reading the list back for saving, as the closing dialog and the editor do.
void ListText(benchmark::State& state)
{
    Window window;
    lernwerk::setFieldText(*window.memo("Memo1"), questionList(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(lernwerk::fieldText(*window.memo("Memo1")));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ListText)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void StepAfterRestart(benchmark::State& state)
{
    Window window;
    lernwerk::setFieldText(*window.memo("Memo1"), questionList(static_cast<int>(state.range(0))));
    window.button("Button1")->click();
    QPushButton* wrong = window.button("bt_wrong");
    for (auto _ : state)
        wrong->click();
}
BENCHMARK(StepAfterRestart)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

void MarkCorrect(benchmark::State& state)
{
    Window window;
    lernwerk::setFieldText(*window.memo("Memo1"), questionList(static_cast<int>(state.range(0))));
    window.button("Button1")->click();
    QPushButton* correct = window.button("bt_correct");
    for (auto _ : state) {
        if (!correct->isEnabled()) {
            state.PauseTiming();
            window.button("Button1")->click();
            state.ResumeTiming();
        }
        correct->click();
    }
}
BENCHMARK(MarkCorrect)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv); }
