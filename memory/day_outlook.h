#pragma once

#include <optional>
#include <vector>

#include "memory/review_store.h"
#include "memory/round_choice.h"

namespace memory {

// A list's day at a glance: what "Review Due" would ask today, and when the
// next reviews after today fall due.
struct DayOutlook {
    int due = 0;    // questions due today or earlier
    int fresh = 0;  // questions never reviewed that today's allowance takes
    // The first day after today on which a question falls due, and how many do then.
    std::optional<Day> next_day;
    int next_count = 0;

    int today_total() const { return due + fresh; }
};

// `memories` holds what the store knows of each line of the list (ReviewStore::lookup).
DayOutlook day_outlook(const std::vector<std::optional<QuestionMemory>>& memories, Day today,
                       int new_per_day = kNewQuestionsPerDay);

}  // namespace memory
