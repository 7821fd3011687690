// Detection and the decoding of whole files: any bytes give a text or "Invalid UTF7"; bytes
// without a signature are UTF-16 when every other byte is zero on one side, else UTF-8
// exactly when a plain reference validator finds strict UTF-8;
// Windows-1252 gives back the very bytes; the text, written again in the encoding it was
// read in, reads back unchanged; and the line breaks come out as ReadTextLines needs them,
// also where the decoder's watch let it skip the normalising pass.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "strict_utf8_reference.h"
#include "textfile/codec.h"
#include "textfile/encodings.h"
#include "textfile/file_error.h"
#include "textfile/line_breaks.h"
#include "textfile/utf16_32.h"
#include "textfile/utf8.h"
#include "textfile/windows1252.h"

using namespace textfile;

namespace {

void CheckLines(const std::u16string& text, const detail::BreakWatch& watch)
{
    std::u16string lines = text;
    detail::NormaliseLineBreaks(lines);
    if (watch.TextIsNormal())
        FUZZ_CHECK(lines == text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(lines[i] != u'\0' && lines[i] != u'\x2028');
        if (lines[i] == u'\r')
            FUZZ_CHECK(i + 1 < lines.size() && lines[i + 1] == u'\n');
        if (lines[i] == u'\n')
            FUZZ_CHECK(i > 0 && lines[i - 1] == u'\r');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::u16string ansi;
    detail::DecodeWindows1252(bytes, ansi);
    FUZZ_CHECK(ansi.size() == bytes.size());
    std::string encodedAnsi;
    detail::AppendWindows1252(ansi, encodedAnsi);
    FUZZ_CHECK(encodedAnsi == bytes);

    const std::int32_t encoding = detail::DetectEncoding(bytes.substr(0, detail::kSignatureBytes));
    std::u16string text;
    detail::BreakWatch watch;
    try {
        text = detail::DecodeFileContent(bytes, &watch);
    } catch (const FileError& error) {
        FUZZ_CHECK(encoding == kUtf7);
        FUZZ_CHECK(std::strcmp(error.what(), "Invalid UTF7") == 0);
        return 0;
    }
    CheckLines(text, watch);

    std::string written;
    if (encoding != kAnsi) {
        // A UTF-16 little-endian file whose text starts with U+0000 is taken for UTF-32.
        if (encoding == kUtf16Le && !text.empty() && text.front() == u'\0')
            return 0;
        written = detail::EncodeFileContent(text, encoding, true);
    } else if (const auto order = detail::Utf16OrderWithoutSignature(bytes)) {
        // UTF-16 without its signature, told by its zero bytes.
        FUZZ_CHECK(text == detail::DecodeUtf16(bytes, *order));
        return 0;
    } else {
        std::u16string utf8;
        const bool isUtf8 = detail::DecodeUtf8IfWellFormed(bytes, utf8);
        FUZZ_CHECK(isUtf8 == IsStrictUtf8(bytes));
        FUZZ_CHECK(text == (isUtf8 ? utf8 : ansi));
        if (!isUtf8) {
            FUZZ_CHECK(detail::EncodeFileContent(text, kAnsi, true) == bytes);
            return 0;
        }
        // Without a signature, a leading U+FEFF would be taken for one.
        if (!text.empty() && text.front() == u'\xFEFF')
            return 0;
        written = detail::EncodeFileContent(text, kUtf8, false);
    }
    FUZZ_CHECK(detail::DecodeFileContent(written) == text);
    return 0;
}
