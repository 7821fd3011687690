// UTF-7 decoding: fails only with "Invalid UTF7", and whatever was decoded is written and
// read back unchanged, with and without a signature.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "textfile/codec.h"
#include "textfile/encodings.h"
#include "textfile/file_error.h"
#include "textfile/utf7.h"

using namespace textfile;

namespace {

void CheckRoundTrip(const std::u16string& text)
{
    std::string encoded;
    detail::AppendUtf7(text, encoded);
    FUZZ_CHECK(detail::DecodeUtf7(encoded) == text);
    FUZZ_CHECK(detail::EncodeFileContent(text, kUtf7NoSignature, true) == encoded);

    const std::string file = detail::EncodeFileContent(text, kUtf7, true);
    FUZZ_CHECK(detail::DetectEncoding(file.substr(0, detail::kSignatureBytes)) == kUtf7);
    FUZZ_CHECK(detail::DecodeFileContent(file) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const std::u16string text = detail::DecodeUtf7(bytes);
        FUZZ_CHECK(text.size() <= bytes.size());
        CheckRoundTrip(text);
    } catch (const FileError& error) {
        FUZZ_CHECK(std::strcmp(error.what(), "Invalid UTF7") == 0);
    }
    // The same bytes after a signature, whose run they may go on.
    try {
        CheckRoundTrip(detail::DecodeFileContent("+/v8" + std::string(bytes)));
    } catch (const FileError& error) {
        FUZZ_CHECK(std::strcmp(error.what(), "Invalid UTF7") == 0);
    }
    return 0;
}
