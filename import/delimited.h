#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Delimited text (CSV and its kin): rows of fields between separators, quoted
// as RFC 4180 has it ("a, b", with "" for a quotation mark inside).
namespace listimport {

// The separators found by themselves, in the order that settles a tie.
inline constexpr std::array<char16_t, 4> kSeparators = {u'\t', u';', u',', u'|'};

using Row = std::vector<std::u16string>;

// The rows of `text` split at `separator`; empty lines give no row. Throws
// ImportError (OpenQuote) when a quoted field is still open at the end.
std::vector<Row> readDelimited(std::u16string_view text, char16_t separator);

// The candidate that splits the most of the first lines into the same number
// (two or more) of fields; 0 when none splits any line.
char16_t findSeparator(std::u16string_view text);

// Whether a first row names the columns rather than holding an entry: each of
// its cells is a word such as "Front", "Answer" or a language's name.
bool looksLikeHeader(const Row& row);

}  // namespace listimport
