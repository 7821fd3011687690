#pragma once

#include <cstdint>
#include <string>

#include "textfile/encodings.h"
#include "textfile/file_error.h"

// Reading and writing text files in eight encodings, told apart by their signatures, and
// the UTF-16 surrogate functions. Failures throw textfile::FileError.
namespace textfile {

// The encoding named by the file's signature (kAnsi when it has none or fewer than 2 bytes).
std::int32_t GetTextFileEncoding(const std::u16string& fileName);

// The file's text, without its signature. A file without a signature is UTF-8 when its bytes
// are well-formed UTF-8, otherwise Windows-1252.
std::u16string ReadTextFile(const std::u16string& fileName);

// Replaces the file by `text` in `encoding`. Gives false, touching nothing, for the name of a
// picture (extension .bmp, .gif, .jpg or .jpeg in any case); true when the file was written.
bool WriteTextFile(const std::u16string& text, const std::u16string& fileName, std::int32_t encoding,
                   bool withSignature);

bool IsHighSurrogate(char16_t unit);
bool IsLowSurrogate(char16_t unit);
// The code point of a surrogate pair; 63 ("?") when the units are no such pair.
char32_t CombineSurrogates(char16_t high, char16_t low);
// The code point at the 1-based `index`, 63 where none can be formed. Sets `unitsUsed` to
// the units it takes (1 or 2), and leaves it alone when `index` lies outside the text.
char32_t CodePointAt(const std::u16string& text, int index, int& unitsUsed);
// One or two code units; "?" for a surrogate value or a value above U+10FFFF.
std::u16string CodePointToText(char32_t codePoint);

}  // namespace textfile
