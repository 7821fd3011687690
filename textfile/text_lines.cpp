#include "textfile/text_lines.h"

#include "textfile/codec.h"
#include "textfile/file_io.h"
#include "textfile/line_breaks.h"

namespace textfile {

std::u16string ReadTextLines(const std::u16string& fileName)
{
    detail::BreakWatch watch;
    std::u16string text = detail::DecodeFileContent(detail::ReadWholeFile(fileName), &watch);
    if (!watch.TextIsNormal())
        detail::NormaliseLineBreaks(text);
    return text;
}

void SaveTextLines(const std::u16string& text, const std::u16string& fileName, std::int32_t encoding)
{
    detail::ReplaceFile(fileName, detail::EncodeFileContent(text, encoding, true));
}

void MakeFolders(const std::u16string& folder) { detail::MakeFolders(folder); }

}  // namespace textfile
