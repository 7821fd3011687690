#pragma once

#include <string_view>

#include "import/source.h"

// Anki's "Notes in Plain Text" export: header lines "#key:value", then one
// note per row of delimited text.
namespace listimport {

// Whether the text begins with one of the export's header lines.
bool looksLikeAnki(std::u16string_view text);

// The notes of the export. The columns its headers name as note type, deck,
// identifier or tags are left out; the others keep their order. A separator
// of 0 takes the one the headers name.
Source readAnki(std::u16string_view text, char16_t separator);

}  // namespace listimport
