#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// The underscore is the only gap delimiter: underscores pair from the left, the
// first opening a gap and the second closing it. There is no escape.
inline constexpr char16_t kGapMark = u'_';

// One gap of a question line. Positions count UTF-16 code units of the line:
// `open` is the gap's opening underscore, `close` its closing one, or the
// line's length when the gap runs to the end of the line (it is open then).
struct Gap {
    std::size_t open = 0;
    std::size_t close = 0;
    std::u16string_view text;  // between the two

    bool closed(std::u16string_view line) const { return close < line.size(); }
};

// The gaps of a line, in order.
std::vector<Gap> find_gaps(std::u16string_view line);

// How much of a gap shows while its question is asked: nothing (blank), the
// first `revealed` code units of its text (a hint), or all of it (`filled`:
// the other gaps of a line asked one gap at a time, a hint to its end).
struct GapShown {
    std::size_t revealed = 0;
    bool filled = false;

    bool operator==(const GapShown&) const = default;
};

// A shown question in pieces: the line's text outside the gaps, and its gaps
// as far as they show. What follows an open gap at the end is never shown.
struct QuestionPiece {
    std::u16string text;  // the text, or what shows of the gap
    bool gap = false;     // a gap (not wholly shown)
    bool closed = true;   // for a gap: closed, not running to the end of the line
};

// `shown` holds one entry per gap, in order; missing entries are blank.
std::vector<QuestionPiece> question_pieces(std::u16string_view line, const std::vector<GapShown>& shown);

// The pieces as the question field shows them. A blank closed gap, whatever
// its length, is five underscores, a blank open gap at the end two; a gap
// partly shown is what shows of it followed by underscores up to five (two at
// least): "B____", "Bl___"; a filled gap is its text.
std::u16string show_question(const std::vector<QuestionPiece>& pieces);

// Turns a question line into the text shown while the question is asked, every gap blank.
std::u16string blank_gaps(std::u16string_view line);

// A hint shows the next letter (or digit) of a gap's text: the code units of
// `text` shown after it, from `revealed` shown before. Blanks and punctuation
// come with the letter before them (those at the start with the first letter).
std::size_t next_hint(std::u16string_view text, std::size_t revealed);

// The line with only gap `gap` a gap: the marks of the others become
// zero-width spaces, which the typed-answer check ignores, so that every
// position stays where it was.
std::u16string only_gap(std::u16string_view line, std::size_t gap);

// Gives a hint on `line`: the next letter of the first gap not yet wholly
// shown, in `shown` (one entry per gap). Gives the gap's number, or nothing
// when every gap shows already.
std::optional<std::size_t> give_hint(std::u16string_view line, std::vector<GapShown>& shown);

}  // namespace quiz
