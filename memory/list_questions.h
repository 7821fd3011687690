#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "memory/review_store.h"
#include "quiz/gap_items.h"

namespace memory {

// A question of a list: its line (at `index` in the list), and the one gap it
// asks when the gaps are asked one at a time; `text` is what the memory knows
// it by (the line, or quiz::gap_question of it).
struct ListQuestion {
    int index = 0;
    std::u16string line;
    std::optional<int> gap;
    std::u16string text;
};

// The questions of `lines` (each with its index in the list) as `mode` asks
// them, in list order: empty lines are none, and a question that stands twice
// (see question_key.h) is one.
std::vector<ListQuestion> list_questions(const std::vector<std::pair<int, std::u16string>>& lines, quiz::GapMode mode);

// The questions of `questions` a "due" round asks on `today` (see choose_due), in list order.
std::vector<ListQuestion> due_questions(const ReviewStore& store, std::vector<ListQuestion> questions, Day today);

// What the memory knows of a line asked as the questions `memories` (each gap
// alone, or the line whole): their reviews and lapses summed, the earliest
// first and due day, the latest last day, the state of the one due first.
// Nothing when none of them was reviewed.
std::optional<QuestionMemory> line_memory(const std::vector<std::optional<QuestionMemory>>& memories);

// Everything the memory may know of `lines`: each line, and each of its gaps asked alone.
std::vector<std::u16string> questions_to_forget(const std::vector<std::u16string>& lines);

}  // namespace memory
