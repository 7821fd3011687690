#include "textfile/windows1252.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "textfile/ascii_blocks.h"
#include "textfile/code_units.h"
#include "textfile/large_buffers.h"
#include "textfile/line_breaks.h"

namespace textfile::detail {
namespace {

constexpr unsigned char kFirstHighByte = 0x80;
constexpr char16_t kFirstLatin1Graphic = 0xA0;
constexpr char16_t kLastLatin1 = 0xFF;

// Code points of the bytes 80-9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr std::array<char16_t, 256> MakeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = static_cast<char16_t>(byte);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        table[kFirstHighByte + i] = kHighControls[i];
    return table;
}
constexpr std::array<char16_t, 256> kDecodeTable = MakeDecodeTable();

constexpr std::uint64_t kHighBitsOfUnits = 0xFF80FF80FF80FF80ULL;

std::uint64_t Load64(const void* from)
{
    std::uint64_t value;
    std::memcpy(&value, from, sizeof value);
    return value;
}

unsigned char EncodeUnit(char16_t unit)
{
    if (unit < kFirstHighByte || (unit >= kFirstLatin1Graphic && unit <= kLastLatin1)) {
        return static_cast<unsigned char>(unit);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return static_cast<unsigned char>(kFirstHighByte + i);
    }
    return static_cast<unsigned char>(kQuestionMark);
}

template <typename Watch>
void Decode(std::string_view bytes, std::u16string& text, Watch& watch)
{
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    text.clear();
    ReserveLarge(text, size);
    text.resize(size);
    char16_t* out = text.data();
    std::size_t i = 0;
    while (i < size) {
        i += WidenAsciiBlocks(in + i, size - i, out + i, watch);
        // Single bytes up to and including the next non-ASCII one.
        while (i < size) {
            const unsigned char byte = in[i];
            out[i++] = kDecodeTable[byte];
            watch.Unit(kDecodeTable[byte]);
            if (byte >= kFirstHighByte)
                break;
        }
    }
}

}  // namespace

void DecodeWindows1252(std::string_view bytes, std::u16string& text, BreakWatch* watch)
{
    if (watch != nullptr) {
        Decode(bytes, text, *watch);
    } else {
        NoWatch none;
        Decode(bytes, text, none);
    }
}

void AppendWindows1252(std::u16string_view text, std::string& bytes)
{
    const std::size_t start = bytes.size();
    ReserveLarge(bytes, start + text.size());
    bytes.resize(start + text.size());  // no more bytes than units
    auto* out = reinterpret_cast<unsigned char*>(bytes.data() + start);
    const char16_t* in = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        while (size - i >= 8 && ((Load64(in + i) | Load64(in + i + 4)) & kHighBitsOfUnits) == 0) {
            for (std::size_t k = 0; k < 8; ++k)
                out[k] = static_cast<unsigned char>(in[i + k]);
            out += 8;
            i += 8;
        }
        if (i == size)
            break;
        const char16_t unit = in[i++];
        if (IsHigh(unit) && i < size && IsLow(in[i]))
            ++i;  // one character, one "?"
        *out++ = EncodeUnit(unit);
    }
    bytes.resize(static_cast<std::size_t>(reinterpret_cast<char*>(out) - bytes.data()));
}

}  // namespace textfile::detail
