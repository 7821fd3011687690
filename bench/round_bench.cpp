// The cost of one round step on lists of growing length. A step marks, picks
// the next question and counts the correct answers; none of that may scan the
// list, so the time per step stays flat from a thousand to a million questions,
// also when only one question is left open.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "quiz/in_memory_lists.h"
#include "quiz/round.h"

namespace {

class SilentView : public quiz::RoundView {
public:
    const quiz::RoundTexts& texts() const override { return texts_; }
    std::u16string timestamp() const override { return u"07.12.2026 08:00:00"; }
    std::u16string list_name() const override { return u"bench"; }
    void round_started() override {}
    void set_phase(std::u16string_view) override {}
    void set_result(std::u16string_view text) override { benchmark::DoNotOptimize(text.data()); }
    void append_log(std::u16string_view) override {}
    void clear_fields() override {}
    void show_question(std::u16string_view text) override { benchmark::DoNotOptimize(text.data()); }
    void show_solution(std::u16string_view) override {}
    void round_ended() override {}

private:
    // Texts of the lengths a round writes; what they say does not matter here.
    quiz::RoundTexts texts_{.phase_asking = u"asking...",
                            .phase_finished = u"done",
                            .log_restart = u"restart...",
                            .log_start = u"start: ",
                            .log_list = u"list: ",
                            .log_end = u"end: ",
                            .log_closing = u"round ended with this result:",
                            .label_correct = u" correct - ",
                            .label_trials = u" trials - ",
                            .label_wrong = u" wrong - ",
                            .label_clocked = u" postponed",
                            .log_hints = u"hints: "};
};

// `open` questions of `range(0)` are still open; each iteration is one
// "Wrong", so the round never ends.
void StepWithFewOpen(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const int open = static_cast<int>(state.range(1));
    quiz::InMemoryQuestions questions;
    questions.lines.assign(static_cast<std::size_t>(count), u"Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.");
    quiz::InMemoryStatus status;
    SilentView view;
    quiz::Round round(questions, status, view);
    round.restart();
    for (int i = open; i < count; ++i)
        status.column.set(i, u"X");

    for (auto _ : state)
        round.step(quiz::Marking::Wrong);
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(StepWithFewOpen)->ArgsProduct({{1'000, 100'000, 1'000'000}, {1, 1'000}})->Unit(benchmark::kMicrosecond);

// The plain pick, for comparison with StatusTally::pick: list the entries below the limit
// that are not "X" and draw one of them.
std::optional<int> ScanningPick(const quiz::StatusTally& tally, int limit, std::mt19937_64& random)
{
    std::vector<int> candidates;
    for (int index = 0; index < limit; ++index)
        if (tally.kind(index) != quiz::EntryKind::Correct)
            candidates.push_back(index);
    if (candidates.empty())
        return std::nullopt;
    const auto last = static_cast<int>(candidates.size()) - 1;
    return candidates[static_cast<std::size_t>(std::uniform_int_distribution<int>(0, last)(random))];
}

// One pick among `range(0)` questions of which `range(1)` (at most all) are open.
void Pick(benchmark::State& state, bool sampled)
{
    const int count = static_cast<int>(state.range(0));
    const int open = std::min(count, static_cast<int>(state.range(1)));
    quiz::StatusTally tally;
    tally.reset(count);
    for (int i = open; i < count; ++i)
        tally.set(i, u"X");
    std::mt19937_64 random(7);
    for (auto _ : state) {
        const auto picked = sampled ? tally.pick(count, random) : ScanningPick(tally, count, random);
        benchmark::DoNotOptimize(picked);
    }
}

BENCHMARK_CAPTURE(Pick, sampled, true)
    ->ArgsProduct({{1'000, 100'000, 1'000'000}, {1, 1'000, 1'000'000}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Pick, scanning, false)
    ->ArgsProduct({{1'000, 100'000, 1'000'000}, {1, 1'000, 1'000'000}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
