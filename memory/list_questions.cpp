#include "memory/list_questions.h"

#include <algorithm>
#include <unordered_set>

#include "memory/question_key.h"
#include "memory/round_choice.h"
#include "quiz/gaps.h"

namespace memory {

std::vector<ListQuestion> list_questions(const std::vector<std::pair<int, std::u16string>>& lines, quiz::GapMode mode)
{
    std::vector<ListQuestion> questions;
    std::unordered_set<std::int64_t> seen;
    for (const auto& [index, line] : lines) {
        if (line.empty())
            continue;
        const int gaps = mode == quiz::GapMode::AllAtOnce ? 0 : static_cast<int>(quiz::find_gaps(line).size());
        for (int g = 0; g < std::max(gaps, 1); ++g) {
            ListQuestion question{index, line, gaps > 0 ? std::optional<int>(g) : std::nullopt,
                                  gaps > 0 ? quiz::gap_question(line, g) : line};
            if (seen.insert(question_key(question.text)).second)
                questions.push_back(std::move(question));
        }
    }
    return questions;
}

std::vector<ListQuestion> due_questions(const ReviewStore& store, std::vector<ListQuestion> questions, Day today)
{
    std::vector<std::u16string> texts;
    texts.reserve(questions.size());
    for (const ListQuestion& question : questions)
        texts.push_back(question.text);
    std::vector<ListQuestion> chosen;
    for (const int index : choose_due(store.lookup(texts), today).indices())
        chosen.push_back(std::move(questions[static_cast<std::size_t>(index)]));
    return chosen;
}

std::optional<QuestionMemory> line_memory(const std::vector<std::optional<QuestionMemory>>& memories)
{
    std::optional<QuestionMemory> line;
    for (const auto& memory : memories) {
        if (!memory)
            continue;
        if (!line) {
            line = memory;
            continue;
        }
        line->reviews += memory->reviews;
        line->lapses += memory->lapses;
        line->first_day = std::min(line->first_day, memory->first_day);
        line->last_day = std::max(line->last_day, memory->last_day);
        if (memory->due_day < line->due_day) {
            line->due_day = memory->due_day;
            line->state = memory->state;
        }
    }
    return line;
}

std::vector<std::u16string> questions_to_forget(const std::vector<std::u16string>& lines)
{
    std::vector<std::u16string> questions = lines;
    for (const auto& line : lines) {
        const int gaps = static_cast<int>(quiz::find_gaps(line).size());
        for (int g = 0; g < gaps; ++g)
            questions.push_back(quiz::gap_question(line, g));
    }
    return questions;
}

}  // namespace memory
