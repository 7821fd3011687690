#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "import/source.h"

// Delimited text (CSV and its kin): rows of fields between separators, quoted
// as RFC 4180 has it ("a, b", with "" for a quotation mark inside).
namespace listimport {

// The separators found by themselves, in the order that settles a tie.
inline constexpr std::array<char16_t, 4> kSeparators = {u'\t', u';', u',', u'|'};

// One line's fields, the empty ones left out, and how many fields it has.
using Row = Record;

// The rows of `text` split at `separator`, which may be any character; empty
// lines give no row. A quotation mark inside a field that does not begin with
// one is text, as spreadsheets have it. Throws ImportError: OpenQuote when a
// quoted field is still open at the end, TooManyColumns when a line has more
// than kMaxColumns fields.
std::vector<Row> readDelimited(std::u16string_view text, char16_t separator);

// The candidate that splits the most of the first lines into the same number
// (two or more) of fields; 0 when none splits any line.
char16_t findSeparator(std::u16string_view text);

// Whether a first row names the columns rather than holding an entry: each of
// its cells is a word such as "Front", "Answer" or a language's name, and none is empty.
bool looksLikeHeader(const Row& row);

}  // namespace listimport
