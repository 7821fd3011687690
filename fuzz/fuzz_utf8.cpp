// UTF-8 decoding: never more units than bytes, a U+FFFD for every fault, strict detection
// agrees with a plain reference validator, and whatever was decoded is written and read back
// unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "strict_utf8_reference.h"
#include "textfile/codec.h"
#include "textfile/encodings.h"
#include "textfile/utf8.h"

using namespace textfile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::u16string text;
    const bool wellFormed = detail::DecodeUtf8(bytes, text);
    FUZZ_CHECK(text.size() <= bytes.size());
    FUZZ_CHECK(wellFormed || text.find(u'\xFFFD') != std::u16string::npos);

    // Strict UTF-8 is well-formed for the lenient decoder too, and reads the same.
    std::u16string strict;
    const bool isStrict = detail::DecodeUtf8IfWellFormed(bytes, strict);
    FUZZ_CHECK(isStrict == IsStrictUtf8(bytes));
    if (isStrict)
        FUZZ_CHECK(wellFormed && strict == text);

    // The same bytes as a file with a signature.
    FUZZ_CHECK(detail::DecodeFileContent("\xEF\xBB\xBF" + std::string(bytes)) == text);

    std::string encoded;
    detail::AppendUtf8(text, encoded);
    std::u16string again;
    FUZZ_CHECK(detail::DecodeUtf8(encoded, again));
    FUZZ_CHECK(again == text);
    std::string encodedAgain;
    detail::AppendUtf8(again, encodedAgain);
    FUZZ_CHECK(encodedAgain == encoded);
    FUZZ_CHECK(detail::DecodeFileContent(detail::EncodeFileContent(text, kUtf8, true)) == text);
    return 0;
}
