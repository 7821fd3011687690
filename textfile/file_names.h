#pragma once

#include <string>
#include <string_view>

// File names in any bytes. The system names files by bytes, the program's texts are UTF-16.
// A name that is UTF-8 is decoded as such; every byte that is not part of a well-formed
// UTF-8 sequence (a name from an old archive or another system) is kept as the lone low
// surrogate U+DC80-U+DCFF of its value, so that the same bytes come back when the name is
// used. Well-formed UTF-8 never gives a lone surrogate, so no name is taken for another.
namespace textfile {

std::u16string NameFromBytes(std::string_view bytes);

// The bytes the system knows the name by: UTF-8, with every kept byte back in its place.
std::string NameBytes(std::u16string_view name);

// The name as a person reads it: every kept byte as the Windows-1252 character it stood
// for on the system the name most likely came from.
std::u16string ReadableName(std::u16string_view name);

// True when the name leads, through any links, to a regular file.
bool IsRegularFile(std::u16string_view name);

}  // namespace textfile
