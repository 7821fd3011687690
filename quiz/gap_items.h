#pragma once

#include <optional>
#include <string>
#include <vector>

#include "quiz/lists.h"
#include "quiz/status_tally.h"

namespace quiz {

// How the gaps of a line are asked.
enum class GapMode {
    AllAtOnce,        // the line is one question, every gap blank
    OneOthersShown,   // each gap its own question, the line's other gaps filled
    OneAfterAnother,  // each gap its own question, in order: the earlier ones filled, the later blank
};

// The mode a stored number stands for; nothing for a number no mode has.
std::optional<GapMode> gap_mode_of(int value);

// How the gaps of a line show when gap `asked` of its `gap_count` is asked in `mode`.
std::vector<GapShown> gaps_shown(GapMode mode, int gap_count, int asked);

// The gap of `line` numbered `gap` as a question of its own: the memory knows
// it by this text (the line's, then a character no list line holds, then the
// gap's number).
std::u16string gap_question(std::u16string_view line, int gap);
// The line and the gap's number of such a text; the text itself and nothing for a whole line.
std::pair<std::u16string, std::optional<int>> split_gap_question(std::u16string_view question);

// A round's questions when each gap is one: the lines of `lines` taken apart
// into their gaps (a line without gaps stays one question), with a status of
// their own. A line's entry in `status` becomes "X" once all its gaps are done.
class GapItems : public QuestionList, public StatusList {
public:
    GapItems(QuestionList& lines, StatusList& status, GapMode mode);

    void remove_empty_lines() override;
    int count() const override { return static_cast<int>(items_.size()); }
    std::u16string line(int index) const override;
    std::optional<int> gap(int index) const override;
    std::vector<GapShown> shown_gaps(int index) const override;

    void reset(int n) override;
    void mark_correct(int index) override;
    const StatusTally& tally() const override { return tally_; }

    // The line of question `index`, in `lines`.
    int line_of(int index) const;
    GapMode mode() const { return mode_; }

private:
    struct Item {
        int line = 0;
        int gap = -1;   // -1: a line without gaps
        int first = 0;  // the line's first item
        int gaps = 0;
    };
    void rebuild();
    int done(const Item& item) const;

    QuestionList& lines_;
    StatusList& status_;
    GapMode mode_;
    std::vector<Item> items_;
    StatusTally tally_;
};

}  // namespace quiz
