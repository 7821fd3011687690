#include "quiz/gaps.h"

namespace quiz {

std::u16string blank_gaps(std::u16string_view line)
{
    std::u16string shown;
    shown.reserve(line.size());
    bool hiding = false;
    for (const char16_t unit : line) {
        if (unit == kGapMark) {
            // An opening mark shows as "__"; a closing one as "__" plus itself,
            // so that a closed gap always reads as five underscores.
            hiding = !hiding;
            shown.append(u"__");
        }
        if (!hiding)
            shown.push_back(unit);
    }
    return shown;
}

}  // namespace quiz
