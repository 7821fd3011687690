#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quiz {

// How the learner's typed answer stands to one gap of the question line.
enum class GapVerdict {
    // The answer holds the gap's text as whole words, runs of blanks and line
    // breaks counting as one blank, everything else exactly. Both are compared
    // composed (NFC), and characters that are never seen (zero-width joiner
    // and space, direction marks, soft hyphen) count for nothing here and below.
    AsTyped,
    // The answer holds it only when case and diacritics of every script are
    // ignored (ä = a, ß = ss; "ae", "oe", "ue" count for ä, ö, ü of the line,
    // never for a, o, u), and the blanks and punctuation between the gap's
    // words may be other ones or left out. The answer's words stay whole.
    Nearly,
    Missing,
};

// One gap of a question line and its verdict. Positions count UTF-16 code
// units of the line: `open` is the gap's opening underscore, `close` its
// closing one, or the line's length when the gap runs to the end of the line.
struct GapCheck {
    std::size_t open = 0;
    std::size_t close = 0;
    GapVerdict verdict = GapVerdict::Missing;

    bool operator==(const GapCheck&) const = default;
};

// True when the text holds nothing but blanks, tabs and line breaks.
bool is_blank(std::u16string_view text);

// Holds the answer against every gap of the line, one verdict per gap in the
// order of the line. The gaps may stand in the answer in any order, on one
// line or several, with any separators between them. Each place in the answer
// counts for one gap only among gaps of the same text: three gaps "1" need
// "1" three times. A gap that holds only blanks counts as typed. A blank
// answer compares with nothing: the result is empty.
//
// The work is linear in the length of line and answer, whatever they hold.
std::vector<GapCheck> check_answer(std::u16string_view line, std::u16string_view answer);

struct CheckCounts {
    int gaps = 0;
    int as_typed = 0;
    int nearly = 0;
    int missing = 0;

    bool operator==(const CheckCounts&) const = default;
};

CheckCounts count_verdicts(const std::vector<GapCheck>& checks);

}  // namespace quiz
