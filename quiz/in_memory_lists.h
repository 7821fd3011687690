#pragma once

#include <string>
#include <vector>

#include "quiz/lists.h"

namespace quiz {

// A question list and a status column held in plain memory, for driving a
// round without any window: the tests and benchmarks of the round.
class InMemoryQuestions : public QuestionList {
public:
    std::vector<std::u16string> lines;

    void remove_empty_lines() override { std::erase(lines, std::u16string()); }
    int count() const override { return static_cast<int>(lines.size()); }
    std::u16string line(int index) const override
    {
        return index >= 0 && index < count() ? lines[static_cast<std::size_t>(index)] : std::u16string();
    }
};

class InMemoryStatus : public StatusList {
public:
    StatusTally column;

    void reset(int n) override { column.reset(n); }
    void mark_correct(int index) override { column.set(index, u"X"); }
    const StatusTally& tally() const override { return column; }
};

}  // namespace quiz
