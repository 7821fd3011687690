// UTF-16 and UTF-32 decoding in both byte orders: UTF-16 gives back the very bytes, UTF-32
// the same text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "textfile/codec.h"
#include "textfile/encodings.h"
#include "textfile/text_file_codec.h"
#include "textfile/utf16_32.h"

using namespace textfile;
using detail::ByteOrder;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const ByteOrder order : {ByteOrder::kLittleEndian, ByteOrder::kBigEndian}) {
        const std::u16string text16 = detail::DecodeUtf16(bytes, order);
        FUZZ_CHECK(text16.size() == bytes.size() / 2);
        std::string encoded16;
        detail::AppendUtf16(text16, order, encoded16);
        FUZZ_CHECK(encoded16 == bytes.substr(0, bytes.size() / 2 * 2));

        const std::u16string text32 = detail::DecodeUtf32(bytes, order);
        std::string encoded32;
        detail::AppendUtf32(text32, order, encoded32);
        FUZZ_CHECK(detail::DecodeUtf32(encoded32, order) == text32);

        const bool little = order == ByteOrder::kLittleEndian;
        const std::string file32 = detail::EncodeFileContent(text32, little ? kUtf32Le : kUtf32Be, true);
        FUZZ_CHECK(detail::DecodeFileContent(file32) == text32);
        // A UTF-16 little-endian file whose text starts with U+0000 is taken for UTF-32.
        if (!little || text16.empty() || text16.front() != u'\0') {
            const std::string file16 = detail::EncodeFileContent(text16, little ? kUtf16Le : kUtf16Be, true);
            FUZZ_CHECK(detail::DecodeFileContent(file16) == text16);
        }
    }
    return 0;
}
