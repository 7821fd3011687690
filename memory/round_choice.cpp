#include "memory/round_choice.h"

#include <algorithm>
#include <unordered_set>

#include "memory/question_key.h"

namespace memory {

std::vector<int> DueChoice::indices() const
{
    std::vector<int> all;
    all.reserve(due.size() + fresh.size());
    std::merge(due.begin(), due.end(), fresh.begin(), fresh.end(), std::back_inserter(all));
    return all;
}

DueChoice choose_due(const std::vector<std::optional<QuestionMemory>>& memories, Day today, int new_per_day)
{
    DueChoice choice;
    int introduced_today = 0;
    for (const auto& memory : memories)
        if (memory && memory->first_day == today)
            ++introduced_today;
    int allowance = std::max(0, new_per_day - introduced_today);
    for (std::size_t i = 0; i < memories.size(); ++i) {
        const auto& memory = memories[i];
        if (memory) {
            if (memory->due_day <= today)
                choice.due.push_back(static_cast<int>(i));
        } else if (allowance > 0) {
            choice.fresh.push_back(static_cast<int>(i));
            --allowance;
        }
    }
    return choice;
}

StateCounts count_states(const std::vector<std::optional<QuestionMemory>>& memories)
{
    StateCounts counts;
    for (const auto& memory : memories) {
        if (!memory)
            ++counts.fresh;
        else if (memory->state.stability < kKnownStability)
            ++counts.learning;
        else
            ++counts.known;
    }
    return counts;
}

void RoundMarks::start() { reviewed_.clear(); }

std::optional<Rating> RoundMarks::review(std::int64_t question, quiz::Marking marking, bool hinted)
{
    switch (marking) {
        case quiz::Marking::None:
        case quiz::Marking::Postponed:
            return std::nullopt;
        case quiz::Marking::Correct:
        case quiz::Marking::Wrong:
            break;
    }
    if (!reviewed_.insert(question).second)
        return std::nullopt;
    if (marking == quiz::Marking::Wrong)
        return Rating::Again;
    return hinted ? Rating::Hard : Rating::Good;  // known, but only with help
}

std::vector<std::size_t> distinct_questions(const std::vector<std::u16string>& lines)
{
    std::vector<std::size_t> first;
    std::unordered_set<std::int64_t> seen;
    seen.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (seen.insert(question_key(lines[i])).second)
            first.push_back(i);
    return first;
}

}  // namespace memory
