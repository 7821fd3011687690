// The progress page drawn from a store of 1 000 000 reviews: the figures asked
// from the store and the three plots painted, as Windows > Progress shows them.
#include <benchmark/benchmark.h>

#include <QPixmap>

#include "filled_store.h"
#include "lang/interface_language.h"
#include "pages/progress_page.h"
#include "program_window.h"

namespace {

void DrawProgressPage(benchmark::State& state)
{
    auto& store = bench::filled();
    lernwerk::InterfaceLanguage language;
    lernwerk::ProgressPage page(language);
    page.resize(750, 460);
    for (auto _ : state) {
        page.update(&store.store(), store.lines(), bench::kToday);
        // Painting is what the learner waits for, not just the figures.
        QPixmap painted = page.grab();
        benchmark::DoNotOptimize(painted);
    }
}
BENCHMARK(DrawProgressPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runWindowBenchmarks(argc, argv); }
