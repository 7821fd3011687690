#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace memory {

// A question is known by its line's text: the same line in any list is the same
// question, a changed line a new one. The store keys it by a 64-bit hash of the
// line's UTF-16 code units (two different lines share a key with a chance of
// about one in 10^19 per pair).
std::int64_t question_key(std::u16string_view line);

// The key of a whole list, line by line in order: a round can be continued
// only on a list with the same lines.
std::int64_t list_key(const std::u16string* lines, std::size_t count);

// The line as UTF-8, for the store's text columns; a lone surrogate becomes U+FFFD.
std::string to_utf8(std::u16string_view text);
std::u16string from_utf8(std::string_view text);

}  // namespace memory
