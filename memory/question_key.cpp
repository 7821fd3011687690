#include "memory/question_key.h"

#include "quiz/gap_items.h"

#include <algorithm>
#include <stdexcept>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

namespace memory {

namespace {

constexpr std::uint64_t kOffset = 14695981039346656037ull;
constexpr std::uint64_t kPrime = 1099511628211ull;

// The finaliser of SplitMix64: spreads every input bit over the whole key.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

std::uint64_t feed(std::uint64_t hash, std::u16string_view text)
{
    for (const char16_t unit : text) {
        hash = (hash ^ (unit & 0xffu)) * kPrime;
        hash = (hash ^ (static_cast<unsigned>(unit) >> 8)) * kPrime;
    }
    return hash;
}

bool is_blank(char16_t unit)
{
    if (unit < 0x80)
        return unit == u' ' || (unit >= u'\t' && unit <= u'\r');
    return u_isUWhiteSpace(unit) != 0;
}

// Below U+0300 no character changes in NFC and none combines with another:
// such a line is in NFC without asking the normaliser (which checks the same).
bool below_combining_marks(std::u16string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char16_t unit) { return unit < 0x300; });
}

const icu::Normalizer2& nfc()
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || normalizer == nullptr)
        throw std::runtime_error("the Unicode normalisation data cannot be loaded");
    return *normalizer;
}

}  // namespace

std::u16string question_text(std::u16string_view line)
{
    // A gap asked alone (quiz::gap_question): its line in the same form, then its number.
    const auto [whole, gap] = quiz::split_gap_question(line);
    if (gap)
        return quiz::gap_question(question_text(whole), *gap);

    std::size_t end = line.size();
    while (end > 0 && is_blank(line[end - 1]))
        --end;
    line = line.substr(0, end);
    if (below_combining_marks(line))
        return std::u16string(line);
    const icu::Normalizer2& normalizer = nfc();
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString source(false, line.data(), static_cast<int32_t>(line.size()));
    // Most lines are in NFC already (every line of plain ASCII is): they are taken as they are.
    const int32_t normal_prefix = normalizer.spanQuickCheckYes(source, status);
    if (U_SUCCESS(status) && normal_prefix == source.length())
        return std::u16string(line);
    status = U_ZERO_ERROR;
    const icu::UnicodeString composed = normalizer.normalize(source, status);
    if (U_FAILURE(status))
        return std::u16string(line);
    std::u16string text(static_cast<std::size_t>(composed.length()), u'\0');
    composed.extract(0, composed.length(), text.data());
    // The trailing blanks of the decomposed text are gone already; composing adds none.
    return text;
}

std::int64_t raw_line_key(std::u16string_view line)
{
    return static_cast<std::int64_t>(mix(feed(kOffset, line) ^ line.size()));
}

std::int64_t question_key(std::u16string_view line) { return raw_line_key(question_text(line)); }

std::int64_t list_key(const std::u16string* lines, std::size_t count)
{
    std::uint64_t hash = kOffset;
    std::uint64_t questions = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (lines[i].empty())
            continue;
        hash = mix(hash ^ static_cast<std::uint64_t>(question_key(lines[i])));
        ++questions;
    }
    return static_cast<std::int64_t>(mix(hash ^ questions));
}

std::string to_utf8(std::u16string_view text)
{
    // ICU's conversion, a lone surrogate written as U+FFFD.
    std::string out(text.size() * 3, '\0');
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), static_cast<std::int32_t>(out.size()), &length, text.data(),
                       static_cast<std::int32_t>(text.size()), 0xfffd, nullptr, &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("a text could not be written as UTF-8: ") + u_errorName(status));
    out.resize(static_cast<std::size_t>(length));
    return out;
}

std::u16string from_utf8(std::string_view text)
{
    // What to_utf8 wrote; a hand-edited file may hold anything, which reads as U+FFFD.
    std::u16string out(text.size(), u'\0');
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(out.data(), static_cast<std::int32_t>(out.size()), &length, text.data(),
                         static_cast<std::int32_t>(text.size()), 0xfffd, nullptr, &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("a text could not be read as UTF-8: ") + u_errorName(status));
    out.resize(static_cast<std::size_t>(length));
    return out;
}

}  // namespace memory
