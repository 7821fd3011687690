#pragma once

#include <string>
#include <string_view>

namespace quiz {

// The underscore is the only gap delimiter: underscores pair from the left, the
// first opening a gap and the second closing it. There is no escape.
inline constexpr char16_t kGapMark = u'_';

// Turns a question line into the text shown while the question is asked.
// Every closed gap, whatever its length, becomes five underscores; an unclosed
// gap at the end of the line becomes two, and everything after it is hidden.
std::u16string blank_gaps(std::u16string_view line);

}  // namespace quiz
