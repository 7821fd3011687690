#include "memory/kept_round.h"

#include <algorithm>

namespace memory {

namespace {

// Far above any real round, far below the largest count: one more never overflows.
constexpr std::int32_t kLargestTally = 1'000'000'000;

}  // namespace

bool fits(const OpenRound& kept, std::int32_t questions, std::int32_t entries)
{
    if (kept.status_count < 0 || kept.status_count > std::max(entries, questions))
        return false;
    if (!kept.chosen.empty() && static_cast<std::int64_t>(kept.chosen.size()) != questions)
        return false;
    for (const std::int32_t tally : {kept.tallies.questions, kept.tallies.correct, kept.tallies.trials,
                                     kept.tallies.wrong, kept.tallies.clocked, kept.question_hints, kept.round_hints})
        if (tally < 0 || tally > kLargestTally)
            return false;
    for (const std::int32_t index : {kept.current, kept.last})
        if (index < 0 || index > std::max(questions, kept.status_count))
            return false;
    return kept.status.empty() || kept.status.rbegin()->first < kept.status_count;
}

}  // namespace memory
