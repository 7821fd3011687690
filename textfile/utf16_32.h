#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace textfile::detail {

enum class ByteOrder { kLittleEndian, kBigEndian };

// Every whole pair of bytes is one code unit; an odd last byte is ignored.
std::u16string DecodeUtf16(std::string_view bytes, ByteOrder order);
void AppendUtf16(std::u16string_view text, ByteOrder order, std::string& bytes);

// The byte order of UTF-16 text written without a signature, told by its zero bytes: text
// of the Latin scripts has one in every other byte, on the same side. Nothing when the
// bytes do not look so.
std::optional<ByteOrder> Utf16OrderWithoutSignature(std::string_view bytes);

// Every whole group of four bytes is one code point, appended as by CodePointToText;
// 1 to 3 bytes at the end are ignored.
std::u16string DecodeUtf32(std::string_view bytes, ByteOrder order);
// A surrogate pair becomes its code point, a lone high surrogate "?", a lone low surrogate
// nothing; every other unit its own value.
void AppendUtf32(std::u16string_view text, ByteOrder order, std::string& bytes);

}  // namespace textfile::detail
