#pragma once

#include <string>
#include <string_view>

// UTF-7 after RFC 2152.
namespace textfile::detail {

// Throws FileError("Invalid UTF7") when a Base64 run other than "+-" ends before it has given
// a code unit, when the bits left over at the end of a run are not all zero, or at a byte
// above 0x7F.
std::u16string DecodeUtf7(std::string_view bytes);

// Letters, digits, space, tab, CR, LF and the characters '()-,./:?!"#$%&*;<=>@[]^_`{|} are
// written as themselves, "+" outside a Base64 run as "+-", every other unit in Base64. A "-"
// closes a run only before a Base64 digit or "-", and never at the end of the text.
void AppendUtf7(std::u16string_view text, std::string& bytes);

}  // namespace textfile::detail
