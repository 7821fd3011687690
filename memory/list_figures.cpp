#include "memory/list_figures.h"

#include <algorithm>

namespace memory {

std::vector<std::int32_t> due_per_day(const std::vector<std::optional<QuestionMemory>>& memories, Day first, int days)
{
    std::vector<std::int32_t> due(static_cast<std::size_t>(std::max(days, 0)), 0);
    for (const auto& memory : memories) {
        if (!memory)
            continue;
        // In 64 bits: a damaged due day near the ends of the range must not wrap.
        const std::int64_t offset = std::max<std::int64_t>(std::int64_t{memory->due_day} - first, 0);
        if (offset < days)
            ++due[static_cast<std::size_t>(offset)];
    }
    return due;
}

std::vector<DayReviews> reviews_in_window(const std::vector<DayReviews>& reviews, Day last, int days)
{
    days = std::max(days, 0);
    const Day first = last - days + 1;
    std::vector<DayReviews> window;
    window.reserve(static_cast<std::size_t>(days));
    for (int i = 0; i < days; ++i)
        window.push_back({first + i, 0, 0});
    for (const DayReviews& day : reviews) {
        const std::int64_t offset = std::int64_t{day.day} - first;
        if (offset < 0 || offset >= days)
            continue;
        auto& entry = window[static_cast<std::size_t>(offset)];
        entry.right += std::max(day.right, 0);
        entry.wrong += std::max(day.wrong, 0);
    }
    return window;
}

ListFigures list_figures(const std::vector<std::optional<QuestionMemory>>& memories,
                         const std::vector<DayReviews>& reviews, Day today, int past_days, int coming_days)
{
    ListFigures figures;
    figures.reviews = reviews_in_window(reviews, today, past_days);
    figures.due = due_per_day(memories, today, coming_days);
    figures.new_today = static_cast<std::int32_t>(choose_due(memories, today).fresh.size());
    figures.states = count_states(memories);
    return figures;
}

}  // namespace memory
