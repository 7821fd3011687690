#include "textfile/utf8.h"

#include <cstdint>
#include <cstring>

#include "textfile/ascii_blocks.h"
#include "textfile/code_units.h"
#include "textfile/large_buffers.h"
#include "textfile/line_breaks.h"

namespace textfile::detail {
namespace {

constexpr unsigned kTrailMask = 0xC0;
constexpr unsigned kTrailTag = 0x80;
constexpr unsigned kPayloadBits = 6;
constexpr unsigned kPayloadMask = 0x3F;

constexpr unsigned char kFirstTwoByteLead = 0xC0;
constexpr unsigned char kFirstThreeByteLead = 0xE0;
constexpr unsigned char kFirstFourByteLead = 0xF0;
constexpr unsigned char kPastLastLead = 0xF8;

constexpr char32_t kTwoByteLimit = 0x800;
// The smallest value that needs a sequence with 1, 2 or 3 trail bytes; below it the form is overlong.
constexpr char32_t kShortestFormFloor[] = {0, 0x80, kTwoByteLimit, kFirstSupplementary};
constexpr std::uint64_t kHighBitsOfUnits = 0xFF80FF80FF80FF80ULL;
constexpr std::size_t kUnitBlock = 8;

std::uint64_t Load64(const void* from)
{
    std::uint64_t value;
    std::memcpy(&value, from, sizeof value);
    return value;
}

template <bool kStopAtError, typename Watch>
bool Decode(std::string_view bytes, std::u16string& text, Watch& watch)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    // Each byte gives at most one code unit (a four-byte sequence gives two).
    text.clear();
    ReserveLarge(text, size);
    text.resize(size);
    char16_t* const begin = text.data();
    char16_t* out = begin;
    bool wellFormed = true;
    std::size_t pos = 0;
    const auto put = [&](char16_t unit) {
        *out++ = unit;
        watch.Unit(unit);
    };
    while (pos < size) {
        // `out` lags `pos`, so the block writes stay within the text.
        const std::size_t ascii = WidenAsciiBlocks(in + pos, size - pos, out, watch);
        pos += ascii;
        out += ascii;
        // Single bytes until one non-ASCII sequence is done.
        while (pos < size) {
            const unsigned char lead = in[pos];
            if (lead < kTrailTag) {
                put(lead);
                ++pos;
                continue;
            }
            std::size_t trails;
            char32_t value;
            if (lead < kFirstTwoByteLead || lead >= kPastLastLead) {
                trails = 0;
                value = 0;
            } else if (lead < kFirstThreeByteLead) {
                trails = 1;
                value = lead & 0x1Fu;
            } else if (lead < kFirstFourByteLead) {
                trails = 2;
                value = lead & 0x0Fu;
            } else {
                trails = 3;
                value = lead & 0x07u;
            }
            std::size_t taken = 1;
            while (taken <= trails && pos + taken < size && (in[pos + taken] & kTrailMask) == kTrailTag) {
                value = (value << kPayloadBits) | (in[pos + taken] & kPayloadMask);
                ++taken;
            }
            pos += taken;
            bool malformed = trails == 0 || taken <= trails || value > kLastCodePoint;
            if constexpr (kStopAtError) {
                // Only strict UTF-8 tells a file from Windows-1252: no overlong forms, no surrogates.
                malformed = malformed || value < kShortestFormFloor[trails] || IsSurrogateValue(value);
            }
            if (malformed) {
                if constexpr (kStopAtError)
                    return false;
                wellFormed = false;
                put(kReplacementCharacter);
            } else if (value < kFirstSupplementary) {
                put(static_cast<char16_t>(value));
            } else {
                put(HighSurrogateOf(value));
                put(LowSurrogateOf(value));
            }
            break;  // back to the blocks
        }
    }
    text.resize(static_cast<std::size_t>(out - begin));
    return wellFormed;
}

template <bool kStopAtError>
bool DecodeWatched(std::string_view bytes, std::u16string& text, BreakWatch* watch)
{
    if (watch != nullptr)
        return Decode<kStopAtError>(bytes, text, *watch);
    NoWatch none;
    return Decode<kStopAtError>(bytes, text, none);
}

std::size_t EncodedLength(std::u16string_view text)
{
    std::size_t length = 0;
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char16_t unit = text[i];
        if (unit < kTrailTag) {
            length += 1;
        } else if (unit < kTwoByteLimit) {
            length += 2;
        } else if (IsHigh(unit) && i + 1 < size && IsLow(text[i + 1])) {
            length += 4;
            ++i;
        } else {
            length += 3;
        }
    }
    return length;
}

unsigned char Trail(char32_t value, unsigned shift)
{
    return static_cast<unsigned char>(kTrailTag | ((value >> shift) & kPayloadMask));
}

}  // namespace

bool DecodeUtf8(std::string_view bytes, std::u16string& text, BreakWatch* watch)
{
    return DecodeWatched<false>(bytes, text, watch);
}

bool DecodeUtf8IfWellFormed(std::string_view bytes, std::u16string& text, BreakWatch* watch)
{
    return DecodeWatched<true>(bytes, text, watch);
}

void AppendUtf8(std::u16string_view text, std::string& bytes)
{
    const std::size_t start = bytes.size();
    const std::size_t length = EncodedLength(text);
    ReserveLarge(bytes, start + length);
    bytes.resize(start + length);
    auto* out = reinterpret_cast<unsigned char*>(bytes.data() + start);
    const char16_t* in = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        while (size - i >= kUnitBlock && ((Load64(in + i) | Load64(in + i + 4)) & kHighBitsOfUnits) == 0) {
            for (std::size_t k = 0; k < kUnitBlock; ++k)
                out[k] = static_cast<unsigned char>(in[i + k]);
            out += kUnitBlock;
            i += kUnitBlock;
        }
        if (i == size)
            break;
        const char16_t unit = in[i++];
        if (unit < kTrailTag) {
            *out++ = static_cast<unsigned char>(unit);
        } else if (unit < kTwoByteLimit) {
            *out++ = static_cast<unsigned char>(kFirstTwoByteLead | (unit >> kPayloadBits));
            *out++ = Trail(unit, 0);
        } else if (IsHigh(unit) && i < size && IsLow(in[i])) {
            const char32_t value = JoinSurrogates(unit, in[i++]);
            *out++ = static_cast<unsigned char>(kFirstFourByteLead | (value >> (3 * kPayloadBits)));
            *out++ = Trail(value, 2 * kPayloadBits);
            *out++ = Trail(value, kPayloadBits);
            *out++ = Trail(value, 0);
        } else {
            *out++ = static_cast<unsigned char>(kFirstThreeByteLead | (unit >> (2 * kPayloadBits)));
            *out++ = Trail(unit, kPayloadBits);
            *out++ = Trail(unit, 0);
        }
    }
}

}  // namespace textfile::detail
