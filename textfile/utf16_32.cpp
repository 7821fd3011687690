#include "textfile/utf16_32.h"

#include <algorithm>

#include <bit>
#include <cstdint>
#include <cstring>

#include "textfile/code_units.h"
#include "textfile/large_buffers.h"

namespace textfile::detail {
namespace {

constexpr std::size_t kUnitBytes = 2;
constexpr std::size_t kValueBytes = 4;
constexpr unsigned kByteBits = 8;
constexpr unsigned kByteMask = 0xFF;

bool MatchesHost(ByteOrder order)
{
    return (order == ByteOrder::kLittleEndian) == (std::endian::native == std::endian::little);
}

char16_t Swap(char16_t unit) { return static_cast<char16_t>((unit << kByteBits) | (unit >> kByteBits)); }

char32_t ReadValue(const unsigned char* at, ByteOrder order)
{
    char32_t value = 0;
    for (std::size_t i = 0; i < kValueBytes; ++i) {
        const std::size_t index = order == ByteOrder::kBigEndian ? i : kValueBytes - 1 - i;
        value = (value << kByteBits) | at[index];
    }
    return value;
}

void WriteValue(char32_t value, ByteOrder order, unsigned char* at)
{
    for (std::size_t i = 0; i < kValueBytes; ++i) {
        const std::size_t index = order == ByteOrder::kBigEndian ? kValueBytes - 1 - i : i;
        at[index] = static_cast<unsigned char>((value >> (kByteBits * i)) & kByteMask);
    }
}

}  // namespace

std::u16string DecodeUtf16(std::string_view bytes, ByteOrder order)
{
    std::u16string text;
    ReserveLarge(text, bytes.size() / kUnitBytes);
    text.resize(bytes.size() / kUnitBytes);
    std::memcpy(text.data(), bytes.data(), text.size() * kUnitBytes);
    if (!MatchesHost(order)) {
        for (char16_t& unit : text)
            unit = Swap(unit);
    }
    return text;
}

void AppendUtf16(std::u16string_view text, ByteOrder order, std::string& bytes)
{
    const std::size_t start = bytes.size();
    ReserveLarge(bytes, start + text.size() * kUnitBytes);
    bytes.resize(start + text.size() * kUnitBytes);
    char* out = bytes.data() + start;
    if (MatchesHost(order)) {
        std::memcpy(out, text.data(), text.size() * kUnitBytes);
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t swapped = Swap(text[i]);
        std::memcpy(out + i * kUnitBytes, &swapped, kUnitBytes);
    }
}

std::u16string DecodeUtf32(std::string_view bytes, ByteOrder order)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    constexpr std::size_t kMostUnitsPerValue = 2;
    const std::size_t count = bytes.size() / kValueBytes;
    std::u16string text;
    ReserveLarge(text, count * kMostUnitsPerValue);
    for (std::size_t i = 0; i < count; ++i)
        AppendCodePoint(text, ReadValue(in + i * kValueBytes, order));
    return text;
}

void AppendUtf32(std::u16string_view text, ByteOrder order, std::string& bytes)
{
    std::size_t start = bytes.size();
    ReserveLarge(bytes, start + text.size() * kValueBytes);
    bytes.resize(start + text.size() * kValueBytes);  // at most one value per unit
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t unit = text[i];
        char32_t value;
        if (IsLow(unit)) {
            continue;
        } else if (IsHigh(unit)) {
            // The unit after the last one counts as zero, so a high surrogate at the end gives "?".
            const bool paired = i + 1 < size && IsLow(text[i + 1]);
            value = paired ? JoinSurrogates(unit, text[i + 1]) : kQuestionMark;
        } else {
            value = unit;
        }
        WriteValue(value, order, out + start);
        start += kValueBytes;
    }
    bytes.resize(start);
}

std::optional<ByteOrder> Utf16OrderWithoutSignature(std::string_view bytes)
{
    // Enough text to be sure; the rest of a large file is not looked at.
    constexpr std::size_t kLookedAt = 4096;
    const std::string_view head = bytes.substr(0, std::min(bytes.size(), kLookedAt) & ~std::size_t{1});
    std::size_t evenZeros = 0;
    std::size_t oddZeros = 0;
    for (std::size_t i = 0; i < head.size(); i += 2) {
        evenZeros += head[i] == '\0' ? 1 : 0;
        oddZeros += head[i + 1] == '\0' ? 1 : 0;
    }
    // Most units on one side zero, hardly any on the other; one unit tells nothing.
    constexpr std::size_t kFewestUnits = 2;
    const std::size_t units = head.size() / 2;
    const auto most = [&](std::size_t zeros) { return units >= kFewestUnits && zeros * 2 > units; };
    const auto hardly = [&](std::size_t zeros) { return zeros * 20 <= units; };
    if (most(oddZeros) && hardly(evenZeros))
        return ByteOrder::kLittleEndian;
    if (most(evenZeros) && hardly(oddZeros))
        return ByteOrder::kBigEndian;
    return std::nullopt;
}

}  // namespace textfile::detail
