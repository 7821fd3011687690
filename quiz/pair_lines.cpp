#include "quiz/pair_lines.h"

#include <algorithm>

namespace quiz {

std::u16string pairLine(std::u16string_view shown, std::u16string_view asked)
{
    std::u16string line;
    line.reserve(shown.size() + asked.size() + 5);
    line.append(shown).append(u" - _").append(asked).push_back(u'_');
    return line;
}

void appendPairLines(std::u16string_view first, std::u16string_view second, PairAsk ask,
                     std::vector<std::u16string>& lines)
{
    if (ask.first)
        lines.push_back(pairLine(second, first));
    if (ask.second)
        lines.push_back(pairLine(first, second));
}

bool needsUnicodeFile(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t unit) { return unit >= 0x100; });
}

}  // namespace quiz
