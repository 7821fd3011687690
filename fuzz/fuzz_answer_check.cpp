// The typed answer held against the gaps: the input is UTF-16 (little-endian), a line and
// an answer split by the first U+0000. One verdict per gap at the gap's place; the gaps'
// own texts, one per line, hold every gap as typed; characters that are never seen change
// no verdict.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "quiz/answer_check.h"

namespace {

std::vector<quiz::GapCheck> checked(std::u16string_view line, std::u16string_view answer)
{
    const std::vector<quiz::GapCheck> checks = quiz::check_answer(line, answer);
    if (quiz::is_blank(answer))
        FUZZ_CHECK(checks.empty());
    for (const quiz::GapCheck& check : checks) {
        FUZZ_CHECK(check.open < check.close && check.close <= line.size());
        FUZZ_CHECK(line[check.open] == u'_');
        FUZZ_CHECK(check.close == line.size() || line[check.close] == u'_');
    }
    return checks;
}

// A zero-width joiner after every character, surrogate pairs kept whole.
std::u16string with_joiners(std::u16string_view text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        out.push_back(text[i]);
        const bool pairStarts = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                                text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (!pairStarts)
            out.push_back(u'\u200D');
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    const std::size_t split = std::min(units.find(u'\0'), units.size());
    const std::u16string_view line = std::u16string_view(units).substr(0, split);
    const std::u16string_view answer = split < units.size() ? std::u16string_view(units).substr(split + 1) : line;

    const std::vector<quiz::GapCheck> checks = checked(line, answer);
    FUZZ_CHECK(checked(line, with_joiners(answer)) == checks);

    // The gaps' texts, one per line: every gap as typed, unless that answer is blank.
    std::u16string texts;
    std::size_t gaps = 0;
    for (std::size_t open = line.find(u'_'); open != std::u16string_view::npos; ++gaps) {
        const std::size_t close = std::min(line.find(u'_', open + 1), line.size());
        texts += line.substr(open + 1, close - open - 1);
        texts += u'\n';
        open = close < line.size() ? line.find(u'_', close + 1) : std::u16string_view::npos;
    }
    const std::vector<quiz::GapCheck> own = checked(line, texts);
    FUZZ_CHECK(own.empty() || own.size() == gaps);
    for (const quiz::GapCheck& check : own)
        FUZZ_CHECK(check.verdict == quiz::GapVerdict::AsTyped);
    FUZZ_CHECK(checks.empty() || checks.size() == gaps);
    return 0;
}
