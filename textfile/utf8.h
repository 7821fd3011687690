#pragma once

#include <string>
#include <string_view>

namespace textfile::detail {

class BreakWatch;

// Decodes UTF-8. A lead byte F0-F7 takes three trail bytes and gives a surrogate pair
// (U+FFFD above U+10FFFF). A byte that cannot lead, and a missing or wrong trail byte, each
// give one U+FFFD; decoding goes on at the byte that was not a trail byte. Overlong forms and
// encoded surrogates are taken as they come, so that a pair written as two three-byte forms
// reads back. Replaces the content of `text`; gives false when some sequence was malformed.
// A `watch` is shown every unit.
bool DecodeUtf8(std::string_view bytes, std::u16string& text, BreakWatch* watch = nullptr);

// As DecodeUtf8 for strict UTF-8 only: stops at the first malformed sequence, overlong form
// (C0, C1, E0 80-9F, F0 80-8F) or encoded surrogate (ED A0-BF) and gives false; `text` and
// `watch` are then unspecified. Tells UTF-8 files without a signature from Windows-1252 ones.
bool DecodeUtf8IfWellFormed(std::string_view bytes, std::u16string& text, BreakWatch* watch = nullptr);

// Appends the UTF-8 form of the text: a surrogate pair becomes one four-byte sequence, a
// lone surrogate the three-byte form of its own value.
void AppendUtf8(std::u16string_view text, std::string& bytes);

}  // namespace textfile::detail
