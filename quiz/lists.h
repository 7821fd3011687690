#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "quiz/gaps.h"

#include "quiz/status_tally.h"

namespace quiz {

// The question list as the window holds it: one question per line, editable by
// the user at any time, so every read goes to the list itself.
class QuestionList {
public:
    virtual ~QuestionList() = default;
    // Deletes every line of length zero; lines of blanks stay.
    virtual void remove_empty_lines() = 0;
    virtual int count() const = 0;
    // Line `index`, or the empty text at or beyond the end.
    virtual std::u16string line(int index) const = 0;
    // The one gap question `index` asks of its line; nothing when it asks them all.
    virtual std::optional<int> gap(int /*index*/) const { return std::nullopt; }
    // How the gaps of question `index` show when it is asked: blank, unless given here.
    virtual std::vector<GapShown> shown_gaps(int /*index*/) const { return {}; }
};

// The status column beside the question list. Its tally follows every change,
// also those the user types.
class StatusList {
public:
    virtual ~StatusList() = default;
    // The column holds exactly n entries "0" afterwards.
    virtual void reset(int n) = 0;
    // Entry `index` becomes "X"; an index beyond the end changes nothing.
    virtual void mark_correct(int index) = 0;
    virtual const StatusTally& tally() const = 0;
    // Entry `index` as it stands. A column that keeps no texts knows done ("X") or not ("0").
    virtual std::u16string entry(int index) const
    {
        return std::u16string(tally().kind(index) == EntryKind::Correct ? kCorrectEntry : std::u16string_view(u"0"));
    }
    // The column of a round kept from an earlier run: `n` entries, "0" but
    // those of `entries`; a column that keeps no texts takes the done ones.
    virtual void restore(int n, const std::map<std::int32_t, std::u16string>& entries)
    {
        reset(n);
        for (const auto& [index, entry] : entries)
            if (kind_of(entry) == EntryKind::Correct)
                mark_correct(index);
    }
};

}  // namespace quiz
