#include "memory/day_outlook.h"

namespace memory {

DayOutlook day_outlook(const std::vector<std::optional<QuestionMemory>>& memories, Day today, int new_per_day)
{
    const DueChoice choice = choose_due(memories, today, new_per_day);
    DayOutlook outlook;
    outlook.due = static_cast<int>(choice.due.size());
    outlook.fresh = static_cast<int>(choice.fresh.size());
    for (const auto& memory : memories) {
        if (!memory || memory->due_day <= today)
            continue;
        if (!outlook.next_day || memory->due_day < *outlook.next_day) {
            outlook.next_day = memory->due_day;
            outlook.next_count = 1;
        } else if (memory->due_day == *outlook.next_day) {
            ++outlook.next_count;
        }
    }
    return outlook;
}

}  // namespace memory
