#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Bytes of a whole file to text and back, by the signature at its start.
namespace textfile::detail {

class BreakWatch;

// The number of leading bytes that DetectEncoding looks at.
inline constexpr std::size_t kSignatureBytes = 4;

// The encoding named by the signature at the start of `head`; fewer than 2 bytes, or no
// known signature, give kAnsi.
std::int32_t DetectEncoding(std::string_view head);

// Decodes a whole file's bytes by their signature, which is not part of the text. Bytes
// without a signature are UTF-16 when every other byte is zero on one side (Latin text
// saved as UTF-16 without its signature), UTF-8 when they are strict UTF-8, otherwise
// Windows-1252.
// Throws FileError("Invalid UTF7") for a malformed UTF-7 file. A `watch` learns whether the
// text's line breaks are all CR LF already.
std::u16string DecodeFileContent(std::string_view bytes, BreakWatch* watch = nullptr);

bool IsKnownEncoding(std::int32_t encoding);

// The bytes of a file holding `text` in `encoding`. kAnsi never gets a signature and
// kUtf7NoSignature ignores `withSignature`. Throws FileError for an unknown encoding number.
std::string EncodeFileContent(std::u16string_view text, std::int32_t encoding, bool withSignature);

}  // namespace textfile::detail
