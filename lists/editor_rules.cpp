#include "lists/editor_rules.h"

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
        const std::u16string first = line.substr(0, split);
        const std::u16string second = line.substr(split + kPartSeparator.size());
        if (askFirst)
            output.push_back(second + u" - _" + first + u"_");
        if (askSecond)
            output.push_back(first + u" - _" + second + u"_");
    }
    return output;
}

std::size_t linesWithoutSeparator(const std::vector<std::u16string>& input)
{
    return static_cast<std::size_t>(std::count_if(input.begin(), input.end(), [](const std::u16string& line) {
        return !line.empty() && line.find(kPartSeparator) == std::u16string::npos;
    }));
}

bool needsUnicodeFile(std::u16string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char16_t unit) { return unit >= 0x100; });
}

}  // namespace lernwerk
