#pragma once

#include <string_view>

#include "import/source.h"

// KDE's vocabulary files: kvtml 2.0 (translations per language) and the older
// kvtml 1.0 (<e><o>...</o><t>...</t></e>). Read with an XML parser that
// expands no entity a document declares and fetches nothing from outside.
namespace listimport {

// A file that declares windows-1252 or ISO-8859-1 is read in it. Throws
// ImportError: BrokenXml, also for text beside the document's element (text
// that holds markup), NotKvtml, or TooManyColumns.
Source readKvtml(std::string_view bytes);

}  // namespace listimport
