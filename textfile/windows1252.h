#pragma once

#include <string>
#include <string_view>

// Windows-1252, the ANSI code page of German and English Windows. The five bytes the code
// page leaves unassigned (81, 8D, 8F, 90, 9D) map to the C1 controls of the same value and
// back, so that every byte sequence survives a read and a write unchanged.
namespace textfile::detail {

class BreakWatch;

// Replaces the content of `text`. A `watch` is shown every unit.
void DecodeWindows1252(std::string_view bytes, std::u16string& text, BreakWatch* watch = nullptr);

// A character the code page lacks becomes "?"; a surrogate pair is one character.
void AppendWindows1252(std::u16string_view text, std::string& bytes);

}  // namespace textfile::detail
