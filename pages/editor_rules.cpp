#include "pages/editor_rules.h"

#include <algorithm>

namespace lernwerk {

std::vector<std::u16string> buildQuestionLines(const std::vector<std::u16string>& input, bool askFirst, bool askSecond)
{
    std::vector<std::u16string> output;
    for (const std::u16string& line : input) {
        if (line.empty())
            continue;
        const std::size_t split = line.find(kPartSeparator);
        if (split == std::u16string::npos)
            continue;
        const std::u16string_view view(line);
        quiz::appendPairLines(view.substr(0, split), view.substr(split + kPartSeparator.size()),
                              {.first = askFirst, .second = askSecond}, output);
    }
    return output;
}

std::size_t linesWithoutSeparator(const std::vector<std::u16string>& input)
{
    return static_cast<std::size_t>(std::count_if(input.begin(), input.end(), [](const std::u16string& line) {
        return !line.empty() && line.find(kPartSeparator) == std::u16string::npos;
    }));
}

}  // namespace lernwerk
