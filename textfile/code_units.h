#pragma once

#include <cstdint>
#include <string>

// UTF-16 code unit helpers shared by the codecs.
namespace textfile::detail {

inline constexpr char16_t kFirstHighSurrogate = 0xD800;
inline constexpr char16_t kFirstLowSurrogate = 0xDC00;
inline constexpr char16_t kLastLowSurrogate = 0xDFFF;
inline constexpr char32_t kFirstSupplementary = 0x10000;
inline constexpr char32_t kLastCodePoint = 0x10FFFF;
inline constexpr int kSurrogateBits = 10;
inline constexpr char32_t kSurrogateMask = 0x3FF;

// Stands for every code point that cannot be formed (and for characters Windows-1252 lacks).
inline constexpr char16_t kQuestionMark = u'?';
// Stands for a malformed byte sequence in UTF-8.
inline constexpr char16_t kReplacementCharacter = 0xFFFD;
inline constexpr char16_t kByteOrderMark = 0xFEFF;

inline constexpr char16_t kNul = 0x0000;
inline constexpr char16_t kLineFeed = 0x000A;
inline constexpr char16_t kCarriageReturn = 0x000D;
inline constexpr char16_t kLineSeparator = 0x2028;

constexpr bool IsHigh(char16_t unit) { return (unit & 0xFC00) == kFirstHighSurrogate; }
constexpr bool IsLow(char16_t unit) { return (unit & 0xFC00) == kFirstLowSurrogate; }
constexpr bool IsSurrogateValue(char32_t value) { return value >= kFirstHighSurrogate && value <= kLastLowSurrogate; }

// Both arguments must be surrogates of the right kind.
constexpr char32_t JoinSurrogates(char16_t high, char16_t low)
{
    return ((static_cast<char32_t>(high - kFirstHighSurrogate) << kSurrogateBits) |
            static_cast<char32_t>(low - kFirstLowSurrogate)) +
           kFirstSupplementary;
}

// codePoint must lie in U+10000..U+10FFFF.
constexpr char16_t HighSurrogateOf(char32_t codePoint)
{
    return static_cast<char16_t>(kFirstHighSurrogate + ((codePoint - kFirstSupplementary) >> kSurrogateBits));
}
constexpr char16_t LowSurrogateOf(char32_t codePoint)
{
    return static_cast<char16_t>(kFirstLowSurrogate + ((codePoint - kFirstSupplementary) & kSurrogateMask));
}

// Appends one code point as UTF-16; a value that is no character (a surrogate value or
// anything above U+10FFFF) becomes "?".
inline void AppendCodePoint(std::u16string& text, char32_t codePoint)
{
    if (codePoint > kLastCodePoint || IsSurrogateValue(codePoint)) {
        text.push_back(kQuestionMark);
    } else if (codePoint < kFirstSupplementary) {
        text.push_back(static_cast<char16_t>(codePoint));
    } else {
        text.push_back(HighSurrogateOf(codePoint));
        text.push_back(LowSurrogateOf(codePoint));
    }
}

}  // namespace textfile::detail
