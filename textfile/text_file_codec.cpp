#include "textfile/text_file_codec.h"

#include <array>
#include <string_view>

#include "textfile/code_units.h"
#include "textfile/codec.h"
#include "textfile/file_io.h"

namespace textfile {
namespace {

using namespace std::string_view_literals;

constexpr std::array<std::u16string_view, 4> kPictureExtensions = {u".BMP"sv, u".GIF"sv, u".JPG"sv, u".JPEG"sv};

// The extension runs from the last "." to the end, unless a folder separator or a drive
// colon follows that ".". Both "\" and "/" count as folder separators.
bool IsPictureName(std::u16string_view fileName)
{
    const std::size_t dot = fileName.rfind(u'.');
    if (dot == std::u16string_view::npos)
        return false;
    std::u16string extension(fileName.substr(dot));
    if (extension.find_first_of(u"\\:/") != std::u16string::npos)
        return false;
    for (char16_t& unit : extension) {
        if (unit >= u'a' && unit <= u'z')
            unit = static_cast<char16_t>(unit - u'a' + u'A');
    }
    for (const std::u16string_view picture : kPictureExtensions) {
        if (extension == picture)
            return true;
    }
    return false;
}

}  // namespace

std::int32_t GetTextFileEncoding(const std::u16string& fileName)
{
    return detail::DetectEncoding(detail::ReadFileStart(fileName, detail::kSignatureBytes));
}

std::u16string ReadTextFile(const std::u16string& fileName)
{
    return detail::DecodeFileContent(detail::ReadWholeFile(fileName));
}

bool WriteTextFile(const std::u16string& text, const std::u16string& fileName, std::int32_t encoding,
                   bool withSignature)
{
    if (IsPictureName(fileName))
        return false;
    detail::ReplaceFile(fileName, detail::EncodeFileContent(text, encoding, withSignature));
    return true;
}

bool IsHighSurrogate(char16_t unit) { return detail::IsHigh(unit); }

bool IsLowSurrogate(char16_t unit) { return detail::IsLow(unit); }

char32_t CombineSurrogates(char16_t high, char16_t low)
{
    if (!detail::IsHigh(high) || !detail::IsLow(low))
        return detail::kQuestionMark;
    return detail::JoinSurrogates(high, low);
}

char32_t CodePointAt(const std::u16string& text, int index, int& unitsUsed)
{
    if (index < 1 || static_cast<std::size_t>(index) > text.size())
        return detail::kQuestionMark;
    const std::size_t position = static_cast<std::size_t>(index) - 1;
    const char16_t unit = text[position];
    unitsUsed = 1;
    if (detail::IsLow(unit))
        return detail::kQuestionMark;
    if (!detail::IsHigh(unit))
        return unit;
    if (position + 1 == text.size() || !detail::IsLow(text[position + 1]))
        return detail::kQuestionMark;
    unitsUsed = 2;
    return detail::JoinSurrogates(unit, text[position + 1]);
}

std::u16string CodePointToText(char32_t codePoint)
{
    std::u16string text;
    detail::AppendCodePoint(text, codePoint);
    return text;
}

}  // namespace textfile
