#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// The separator between the two parts of a pair, "part 1 - part 2".
inline constexpr std::u16string_view kPartSeparator = u" - ";

// Which part of a pair its question lines ask for.
struct PairAsk {
    bool first = false;
    bool second = true;
};

// The question lines of one pair: "second - _first_" when the first part is
// asked, then "first - _second_" when the second is. Appended to `lines`.
void appendPairLines(std::u16string_view first, std::u16string_view second, PairAsk ask,
                     std::vector<std::u16string>& lines);

// One question line that shows `shown` and asks for all of `asked`.
std::u16string pairLine(std::u16string_view shown, std::u16string_view asked);

// Whether a list's text needs more than Windows-1252 to be stored, judged the
// simple way a list is saved: any code unit from U+0100 up.
bool needsUnicodeFile(std::u16string_view text);

}  // namespace quiz
