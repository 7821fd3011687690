#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// The two values the program writes into the status column. Comparisons are
// exact: "x" or "0 " are neither.
inline constexpr std::u16string_view kOpenEntry = u"0";
inline constexpr std::u16string_view kCorrectEntry = u"X";

// What a step needs to know of an entry: open, correct, or anything else
// (empty, "?", "x", a hand-typed note), which is neither counted nor skipped.
enum class EntryKind : std::uint8_t { Other, Open, Correct };

EntryKind kind_of(std::u16string_view value);

// Follows the entries of the status column, whoever changes them, and keeps
// what a round step needs (how many are open, how many correct, which indices
// can still be asked) so that a step never scans the column. It keeps the kind
// of each entry, one byte, not its text: the column itself holds the texts.
class StatusTally {
public:
    // The column now holds n entries "0".
    void reset(int n);
    // Entries [first, first + removed) were replaced by `added` (an edit by the user).
    void replace(int first, int removed, std::vector<std::u16string> added);
    // Entry `index` now holds `value`; an index at or beyond the end changes nothing.
    void set(int index, std::u16string value);

    int size() const { return static_cast<int>(entries_.size()); }
    // The kind of the entry at `index`; at or beyond the end, the empty entry's.
    EntryKind kind(int index) const;
    int open_count() const { return open_; }
    int correct_count() const { return correct_; }

    // Draws uniformly among the indices below `limit` whose entry is not "X"
    // (an index beyond the column's end has the empty entry and counts). Gives
    // nothing when there is no such index, so the caller never loops forever.
    std::optional<int> pick(int limit, std::mt19937_64& random) const;

private:
    void count(EntryKind kind, int delta);
    void rebuild_eligible() const;
    void add_eligible(int index) const;
    void remove_eligible(int index) const;

    std::vector<EntryKind> entries_;
    int open_ = 0;
    int correct_ = 0;

    // Indices whose entry is not "X", in no order, with each index's slot in it
    // (-1 when absent). Rebuilt lazily after edits that move lines.
    mutable std::vector<int> eligible_;
    mutable std::vector<int> slot_;
    mutable bool eligible_valid_ = true;
};

}  // namespace quiz
