// The typed answer held against the gaps, on answers and lines of growing
// length. The time must grow in step with the length, never with the product
// of line and answer: an answer of a megabyte is revealed without a wait.

#include <benchmark/benchmark.h>

#include <string>

#include "quiz/answer_check.h"

namespace {

std::u16string numbered(const char* stem, int i)
{
    const std::string text = stem + std::to_string(i);
    return {text.begin(), text.end()};
}

// A sample line of three gaps against an answer of `range(0)` characters
// that holds one gap as typed, one nearly and misses the third.
void AnswerLength(benchmark::State& state)
{
    const std::u16string line = u"Blau, _Gelb_ und _Straße_ sind _Rot_.";
    std::u16string answer;
    while (answer.size() < static_cast<std::size_t>(state.range(0)))
        answer += u"Füllwort und noch ein Wort, ";
    answer += u"Gelb strasse";
    for (auto _ : state)
        benchmark::DoNotOptimize(quiz::check_answer(line, answer));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(answer.size() * 2));
}
BENCHMARK(AnswerLength)->RangeMultiplier(10)->Range(1'000, 1'000'000)->Unit(benchmark::kMillisecond);

// A line of `range(0)` gaps, each typed in the answer in reverse order, half
// of them in another case.
void GapCount(benchmark::State& state)
{
    const int gaps = static_cast<int>(state.range(0));
    std::u16string line;
    std::u16string answer;
    for (int i = 0; i < gaps; ++i)
        line += u"Frage _" + numbered("wort", i) + u"_ ";
    for (int i = gaps - 1; i >= 0; --i)
        answer += numbered(i % 2 ? "Wort" : "wort", i) + u"\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(quiz::check_answer(line, answer));
}
BENCHMARK(GapCount)->RangeMultiplier(10)->Range(10, 100'000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
