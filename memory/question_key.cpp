#include "memory/question_key.h"

#include "quiz/gap_items.h"

#include <algorithm>
#include <stdexcept>

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

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

void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
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
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xd800 && c < 0xdc00 && i + 1 < text.size() && text[i + 1] >= 0xdc00 && text[i + 1] < 0xe000) {
            c = 0x10000 + ((c - 0xd800) << 10) + (text[i + 1] - 0xdc00);
            ++i;
        } else if (c >= 0xd800 && c < 0xe000) {
            c = 0xfffd;
        }
        append_utf8(out, c);
    }
    return out;
}

std::u16string from_utf8(std::string_view text)
{
    // Only ever reads what to_utf8 wrote, so the input is well formed.
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t c = 0;
        int length = 1;
        if (b < 0x80) {
            c = b;
        } else if (b < 0xe0) {
            c = b & 0x1fu;
            length = 2;
        } else if (b < 0xf0) {
            c = b & 0x0fu;
            length = 3;
        } else {
            c = b & 0x07u;
            length = 4;
        }
        if (i + static_cast<std::size_t>(length) > text.size())
            break;
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3fu);
        i += static_cast<std::size_t>(length);
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace memory
