#include "textfile/utf7.h"

#include <array>
#include <cstdint>

#include "textfile/file_error.h"
#include "textfile/large_buffers.h"

namespace textfile::detail {
namespace {

constexpr char kRunStart = '+';
constexpr char kRunEnd = '-';
constexpr std::string_view kBase64Digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view kDirectPunctuation = "'(),-./:?!\"#$%&*;<=>@[]^_`{|} \t\r\n";

constexpr unsigned kDigitBits = 6;
constexpr unsigned kUnitBits = 16;
constexpr std::uint32_t kDigitMask = 0x3F;
constexpr std::uint32_t kUnitMask = 0xFFFF;
constexpr int kNoDigit = -1;
constexpr unsigned char kFirstNonAscii = 0x80;

constexpr std::array<int, 128> MakeDigitValues()
{
    std::array<int, 128> values{};
    for (int& value : values)
        value = kNoDigit;
    for (std::size_t i = 0; i < kBase64Digits.size(); ++i) {
        values[static_cast<unsigned char>(kBase64Digits[i])] = static_cast<int>(i);
    }
    return values;
}
constexpr std::array<int, 128> kDigitValues = MakeDigitValues();

constexpr std::array<bool, 128> MakeDirect()
{
    std::array<bool, 128> direct{};
    for (std::size_t c = 0; c < direct.size(); ++c) {
        direct[c] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    }
    for (char c : kDirectPunctuation)
        direct[static_cast<unsigned char>(c)] = true;
    return direct;
}
constexpr std::array<bool, 128> kDirect = MakeDirect();

bool IsDirect(char16_t unit) { return unit < kDirect.size() && kDirect[unit]; }
bool IsBase64Digit(char16_t unit) { return unit < kDigitValues.size() && kDigitValues[unit] != kNoDigit; }

[[noreturn]] void Fail() { throw FileError("Invalid UTF7"); }

}  // namespace

std::u16string DecodeUtf7(std::string_view bytes)
{
    std::u16string text;
    ReserveLarge(text, bytes.size());  // no more units than bytes
    bool inRun = false;
    bool runGaveUnit = false;
    std::uint32_t bits = 0;  // only the low `bitCount` bits matter
    unsigned bitCount = 0;

    const auto endRun = [&] {
        if (!runGaveUnit)
            Fail();
        if ((bits & ((1u << bitCount) - 1)) != 0)
            Fail();
        inRun = false;
    };

    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte >= kFirstNonAscii)
            Fail();
        if (inRun) {
            const int digit = kDigitValues[byte];
            if (digit != kNoDigit) {
                bits = (bits << kDigitBits) | static_cast<std::uint32_t>(digit);
                bitCount += kDigitBits;
                if (bitCount >= kUnitBits) {
                    bitCount -= kUnitBits;
                    text.push_back(static_cast<char16_t>((bits >> bitCount) & kUnitMask));
                    runGaveUnit = true;
                }
                continue;
            }
            const bool rightAfterStart = !runGaveUnit && bitCount == 0;
            if (byte == kRunEnd && rightAfterStart) {  // "+-" is a plain "+"
                text.push_back(static_cast<char16_t>(kRunStart));
                inRun = false;
                continue;
            }
            endRun();
            if (byte == kRunEnd)
                continue;  // the "-" that closes a run is not part of the text
        }
        if (byte == kRunStart) {
            inRun = true;
            runGaveUnit = false;
            bits = 0;
            bitCount = 0;
        } else {
            text.push_back(byte);
        }
    }
    if (inRun)
        endRun();
    return text;
}

void AppendUtf7(std::u16string_view text, std::string& bytes)
{
    ReserveLarge(bytes, bytes.size() + text.size() + text.size() / 4);
    bool inRun = false;
    std::uint32_t bits = 0;
    unsigned bitCount = 0;

    const auto flushDigits = [&] {
        if (bitCount > 0) {
            bytes.push_back(kBase64Digits[(bits << (kDigitBits - bitCount)) & kDigitMask]);
            bitCount = 0;
        }
    };

    for (const char16_t unit : text) {
        if (IsDirect(unit)) {
            if (inRun) {
                flushDigits();
                if (IsBase64Digit(unit) || unit == kRunEnd)
                    bytes.push_back(kRunEnd);
                inRun = false;
            }
            bytes.push_back(static_cast<char>(unit));
        } else if (!inRun && unit == kRunStart) {
            bytes.push_back(kRunStart);
            bytes.push_back(kRunEnd);
        } else {
            if (!inRun) {
                bytes.push_back(kRunStart);
                inRun = true;
                bits = 0;
                bitCount = 0;
            }
            bits = (bits << kUnitBits) | unit;
            bitCount += kUnitBits;
            while (bitCount >= kDigitBits) {
                bitCount -= kDigitBits;
                bytes.push_back(kBase64Digits[(bits >> bitCount) & kDigitMask]);
            }
        }
    }
    if (inRun)
        flushDigits();
}

}  // namespace textfile::detail
