#pragma once

#include <string>
#include <vector>

#include "quiz/gap_items.h"
#include "quiz/lists.h"

namespace quiz {

// A question list and a status column held in plain memory, for driving a
// round without any window: the tests and benchmarks of the round.
class InMemoryQuestions : public QuestionList {
public:
    std::vector<std::u16string> lines;
    // For questions of one gap each: the gap each line asks (none: all its gaps), and how.
    std::vector<std::optional<int>> gaps;
    GapMode mode = GapMode::AllAtOnce;

    void remove_empty_lines() override
    {
        if (gaps.empty()) {
            std::erase(lines, std::u16string());
            return;
        }
        std::size_t kept = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].empty())
                continue;
            if (kept != i) {
                lines[kept] = std::move(lines[i]);
                gaps[kept] = i < gaps.size() ? gaps[i] : std::nullopt;
            }
            ++kept;
        }
        lines.resize(kept);
        gaps.resize(kept);
    }
    int count() const override { return static_cast<int>(lines.size()); }
    std::u16string line(int index) const override
    {
        return index >= 0 && index < count() ? lines[static_cast<std::size_t>(index)] : std::u16string();
    }
    std::optional<int> gap(int index) const override
    {
        return index >= 0 && static_cast<std::size_t>(index) < gaps.size() ? gaps[static_cast<std::size_t>(index)]
                                                                           : std::nullopt;
    }
    std::vector<GapShown> shown_gaps(int index) const override
    {
        const auto asked = gap(index);
        if (!asked)
            return {};
        return gaps_shown(mode, static_cast<int>(find_gaps(line(index)).size()), *asked);
    }
};

class InMemoryStatus : public StatusList {
public:
    StatusTally column;

    void reset(int n) override { column.reset(n); }
    void mark_correct(int index) override { column.set(index, u"X"); }
    const StatusTally& tally() const override { return column; }
    void restore(int n, const std::map<std::int32_t, std::u16string>& entries) override
    {
        column.reset(n);
        for (const auto& [index, entry] : entries)
            column.set(index, entry);
    }
};

}  // namespace quiz
