#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "memory/review_store.h"
#include "memory/round_choice.h"

namespace memory {

// What the progress page shows of one list, counted from what the store knows
// of each of its lines (ReviewStore::lookup) and the reviews of its questions.
struct ListFigures {
    // Reviews on each day of the window, oldest first.
    std::vector<DayReviews> reviews;
    // Questions due on each coming day, the overdue ones with the first.
    std::vector<std::int32_t> due;
    // The questions never reviewed that a due round would take today.
    std::int32_t new_today = 0;
    StateCounts states;
};

// Due questions on each of `days` days from `first` on. A question due before
// `first` counts on it; one due later than the window is left out.
std::vector<std::int32_t> due_per_day(const std::vector<std::optional<QuestionMemory>>& memories, Day first, int days);

// `reviews` as the store gives them for a window of `days` days ending on
// `last`, in any order and possibly with gaps: one entry for each day of the
// window, oldest first; entries outside the window are left out.
std::vector<DayReviews> reviews_in_window(const std::vector<DayReviews>& reviews, Day last, int days);

// Everything the page shows of a list on `today`: `past_days` of reviews up to
// today and `coming_days` of due questions from today on.
ListFigures list_figures(const std::vector<std::optional<QuestionMemory>>& memories,
                         const std::vector<DayReviews>& reviews, Day today, int past_days, int coming_days);

}  // namespace memory
