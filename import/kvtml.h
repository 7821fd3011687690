#pragma once

#include <string_view>

#include "import/source.h"

// KDE's vocabulary files: kvtml 2.0 (translations per language) and the older
// kvtml 1.0 (<e><o>...</o><t>...</t></e>). Read with an XML parser that
// expands no entity a document declares and fetches nothing from outside.
namespace listimport {

// Throws ImportError BrokenXml or NotKvtml.
Source readKvtml(std::string_view bytes);

}  // namespace listimport
