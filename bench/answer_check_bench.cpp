// The typed answer held against the gaps, on answers and lines of growing
// length. The time must grow in step with the length, never with the product
// of line and answer: an answer of a megabyte is revealed without a wait. No
// input may take longer than a plain one of the same size: gaps whose hashes
// collide, gaps of many different lengths.

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
BENCHMARK(AnswerLength)->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

// The Thue-Morse sequence of '+' and '-', 2,048 characters: a polynomial hash
// modulo 2^64 gives it and its complement the same value.
std::u16string thue_morse_run()
{
    std::u16string run;
    for (unsigned i = 0; i < 2048; ++i)
        run.push_back(__builtin_popcount(i) % 2 ? u'-' : u'+');
    return run;
}

// A gap of commas and a Thue-Morse run, and a gap of the run's complement,
// against an answer of `range(0)` commas that holds neither.
void CollidingGaps(benchmark::State& state)
{
    std::u16string run = thue_morse_run();
    std::u16string complement = run;
    for (char16_t& c : complement)
        c = c == u'+' ? u'-' : u'+';
    std::u16string line = u"Zeichen: _";
    line.append(1024, u',').append(run).append(u"_ und _").append(complement).append(u"_");
    const std::u16string answer(static_cast<std::size_t>(state.range(0)), u',');
    for (auto _ : state)
        benchmark::DoNotOptimize(quiz::check_answer(line, answer));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(answer.size() * 2));
}
BENCHMARK(CollidingGaps)->Arg(100'000)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

// Gaps of every length from 1 to k ("x", "xx", ...: a line of about a quarter
// of the answer) against an answer of `range(0)` characters: words of k + 1
// to 2k letters, none of them a gap, and at the end each gap once.
void ManyGapLengths(benchmark::State& state)
{
    const auto size = static_cast<std::size_t>(state.range(0));
    std::size_t longest = 1;
    while (longest * (longest + 3) / 2 < size / 4)
        ++longest;
    std::u16string line;
    std::u16string tail;
    for (std::size_t k = 1; k <= longest; ++k) {
        line.append(u"_").append(k, u'x').append(u"_ ");
        tail.append(k, u'x').append(u" ");
    }
    std::u16string answer;
    for (std::size_t k = 0; answer.size() + tail.size() < size; k = (k + 1) % longest)
        answer.append(longest + 1 + k, u'x').append(u" ");
    answer += tail;
    for (auto _ : state)
        benchmark::DoNotOptimize(quiz::check_answer(line, answer));
    state.counters["gap_lengths"] = static_cast<double>(longest);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(answer.size() * 2));
}
BENCHMARK(ManyGapLengths)->Arg(100'000)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

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
