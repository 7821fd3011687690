#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "memory/review_store.h"
#include "quiz/round.h"

namespace memory {

// At most this many questions never reviewed are brought in on one day.
inline constexpr int kNewQuestionsPerDay = 20;
// From this stability (days) on a question counts as known, below as learning.
inline constexpr double kKnownStability = 21;

// The questions of a list a "due" round asks, as indices into the list, each
// group in list order: first those due today or earlier, then those never
// reviewed, as many as today's allowance of new questions leaves.
struct DueChoice {
    std::vector<int> due;
    std::vector<int> fresh;

    int size() const { return static_cast<int>(due.size() + fresh.size()); }
    // Both groups together, in list order.
    std::vector<int> indices() const;
};

// `memories` holds what the store knows of each line of the list (ReviewStore::lookup).
// Questions first reviewed today count against the day's allowance.
DueChoice choose_due(const std::vector<std::optional<QuestionMemory>>& memories, Day today,
                     int new_per_day = kNewQuestionsPerDay);

// A list's questions by memory state.
struct StateCounts {
    int fresh = 0;     // never reviewed
    int learning = 0;  // stability under 21 days
    int known = 0;     // stability of 21 days or more
};
StateCounts count_states(const std::vector<std::optional<QuestionMemory>>& memories);

// Follows the markings of one round: which of them are reviews (the first
// "Correct" or "Wrong" of each question; "Clock" is none) and what each is
// remembered as. Questions are known by their question_key, so a line that
// stands twice in a list is one question.
class RoundMarks {
public:
    void start();
    // The rating to record for `marking` (as the round counts it) of `question`,
    // or nothing when it is no review. `hinted`: a hint showed part of it first,
    // and a "Correct" is then remembered as hard.
    std::optional<Rating> review(std::int64_t question, quiz::Marking marking, bool hinted);

    const std::set<std::int64_t>& reviewed() const { return reviewed_; }
    // Puts back what a kept round had reviewed.
    void restore(std::set<std::int64_t> reviewed) { reviewed_ = std::move(reviewed); }

private:
    std::set<std::int64_t> reviewed_;
};

// The first line of each question among `lines`, by index: a question that
// stands twice is asked, counted and reviewed once.
std::vector<std::size_t> distinct_questions(const std::vector<std::u16string>& lines);

}  // namespace memory
