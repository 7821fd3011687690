#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "quiz/pair_lines.h"

namespace lernwerk {

// The separator between the two parts of an editor input line.
using quiz::kPartSeparator;
using quiz::needsUnicodeFile;

// Turns editor input lines of the form "part 1 - part 2" into question lines
// that ask for one part each: "part 2 - _part 1_" when `askFirst`, then
// "part 1 - _part 2_" when `askSecond`. The line splits at its first
// separator. Empty lines, and lines without a separator (they hold no pair to
// ask for), give nothing.
std::vector<std::u16string> buildQuestionLines(const std::vector<std::u16string>& input, bool askFirst, bool askSecond);

// How many lines of editor input hold text but no separator: the lines
// `buildQuestionLines` leaves out.
std::size_t linesWithoutSeparator(const std::vector<std::u16string>& input);

}  // namespace lernwerk
