// Recording, counting the due questions and the progress page's figures with
// 100 000 questions and 1 000 000 reviews in the store.
#include <benchmark/benchmark.h>

#include <random>

#include "filled_store.h"
#include "memory/list_figures.h"
#include "memory/round_choice.h"

namespace {

using bench::filled;
using bench::kQuestions;
using bench::kToday;

// One marking as the trainer records it: the question's state read, the next
// review scheduled, state and review written, committed.
void RecordMarking(benchmark::State& state)
{
    auto& store = filled();
    std::mt19937 random(11);
    std::int64_t time = 0;
    for (auto _ : state) {
        const auto& line = store.lines()[random() % kQuestions];
        benchmark::DoNotOptimize(
            store.store().record(line, random() % 4 ? memory::Rating::Good : memory::Rating::Again, ++time, kToday));
    }
}
BENCHMARK(RecordMarking)->Unit(benchmark::kMicrosecond);

// The count the File menu shows: the 100 000-line list's due and new questions.
void CountDue(benchmark::State& state)
{
    auto& store = filled();
    for (auto _ : state) {
        const auto choice = memory::choose_due(store.store().lookup(store.lines()), kToday);
        benchmark::DoNotOptimize(choice.size());
    }
}
BENCHMARK(CountDue)->Unit(benchmark::kMillisecond);

// What the progress page asks the store for the loaded list: its questions'
// reviews of 30 days, all reviews of those days, and each question's memory,
// from which the due questions of 14 days and the states are counted.
void ProgressFigures(benchmark::State& state)
{
    auto& store = filled();
    for (auto _ : state) {
        const auto reviews = store.store().list_reviews_per_day(store.lines(), kToday - 29, kToday);
        const auto all = store.store().reviews_per_day(kToday - 29, kToday);
        const auto figures = memory::list_figures(store.store().lookup(store.lines()), reviews, kToday, 30, 14);
        benchmark::DoNotOptimize(all.data());
        benchmark::DoNotOptimize(figures.due.data());
    }
}
BENCHMARK(ProgressFigures)->Unit(benchmark::kMillisecond);

// Settings > Forget Progress of This List.. on the 100 000-line list: every
// question's reviews and state deleted, then the log checkpointed. Each
// iteration forgets in a fresh copy of the filled store.
void ForgetList(benchmark::State& state)
{
    auto& filledStore = filled();
    const auto copy = filledStore.path().parent_path() / "forget.sqlite";
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(filledStore.path(), copy, std::filesystem::copy_options::overwrite_existing);
        auto store = std::make_unique<memory::ReviewStore>(copy);
        state.ResumeTiming();
        store->forget(filledStore.lines());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ForgetList)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
