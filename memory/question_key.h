#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace memory {

// A question is known by its line's text: the same line in any list is the same
// question, a changed line a new one. Lines that differ only in the Unicode form
// of their characters (composed or not) or in blanks at their end are the same
// question: the text is taken in NFC without its trailing blanks.
std::u16string question_text(std::u16string_view line);

// The store keys a question by a 64-bit hash of question_text's UTF-16 code
// units (two different questions share a key with a chance of about one in
// 10^19 per pair).
std::int64_t question_key(std::u16string_view line);

// The key of a whole list, question by question in order, its empty lines left
// out (a round removes them when it starts; a file's last line break gives
// one): a round can be continued only on a list with the same questions.
std::int64_t list_key(const std::u16string* lines, std::size_t count);

// The key of a line before questions were normalised; only for reading old stores.
std::int64_t raw_line_key(std::u16string_view line);

// The line as UTF-8, for the store's text columns; a lone surrogate becomes U+FFFD.
std::string to_utf8(std::u16string_view text);
std::u16string from_utf8(std::string_view text);

}  // namespace memory
