#include "textfile/file_names.h"

#include <sys/stat.h>

#include "textfile/utf8.h"
#include "textfile/windows1252.h"

namespace textfile {
namespace {

constexpr char16_t kKeptByteBase = 0xDC00;
constexpr char16_t kFirstKeptByte = 0xDC80;
constexpr char16_t kLastKeptByte = 0xDCFF;

bool IsTrail(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at the start of `bytes`, or 0.
std::size_t WellFormedLength(std::string_view bytes)
{
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = at(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the byte after the lead
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no encoded surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsTrail(at(i)))
            return 0;
    return length;
}

bool IsKeptByte(std::u16string_view name, std::size_t i)
{
    const char16_t unit = name[i];
    const bool afterHigh = i > 0 && name[i - 1] >= 0xD800 && name[i - 1] <= 0xDBFF;
    return unit >= kFirstKeptByte && unit <= kLastKeptByte && !afterHigh;
}

}  // namespace

std::u16string NameFromBytes(std::string_view bytes)
{
    std::u16string name;
    std::u16string piece;
    while (!bytes.empty()) {
        const std::size_t length = WellFormedLength(bytes);
        if (length == 0) {
            name.push_back(static_cast<char16_t>(kKeptByteBase + static_cast<unsigned char>(bytes.front())));
            bytes.remove_prefix(1);
            continue;
        }
        detail::DecodeUtf8(bytes.substr(0, length), piece);
        name += piece;
        bytes.remove_prefix(length);
    }
    return name;
}

std::string NameBytes(std::u16string_view name)
{
    std::string bytes;
    std::size_t from = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!IsKeptByte(name, i))
            continue;
        detail::AppendUtf8(name.substr(from, i - from), bytes);
        bytes.push_back(static_cast<char>(name[i] - kKeptByteBase));
        from = i + 1;
    }
    detail::AppendUtf8(name.substr(from), bytes);
    return bytes;
}

std::u16string ReadableName(std::u16string_view name)
{
    std::u16string readable;
    std::u16string character;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (!IsKeptByte(name, i)) {
            readable.push_back(name[i]);
            continue;
        }
        detail::DecodeWindows1252(std::string(1, static_cast<char>(name[i] - kKeptByteBase)), character);
        readable += character;
    }
    return readable;
}

bool IsRegularFile(std::u16string_view name)
{
    if (name.find(u'\0') != std::u16string_view::npos)
        return false;
    struct stat status {};
    return ::stat(NameBytes(name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace textfile
