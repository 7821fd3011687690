#pragma once

#include <QString>

#include "quiz/language.h"

namespace lernwerk {

using quiz::Language;

// The software catalogue: the maker's sixteen programs, this one first, with
// their titles, addresses, summaries and descriptions in every language. Row i
// of the catalogue pages, entry i of the software menus and icon i belong
// together; an index outside 0..15 throws std::out_of_range.
constexpr int kCatalogueSize = 16;

// The program's address as a link text: the German or English site followed by
// the path, e.g. "malke-studio.de/lernwerk".
QString catalogueAddress(int index, Language language);

// The menu line: address, " - " and the summary.
QString catalogueLine(int index, Language language);

QString catalogueTitle(int index, Language language);
QString catalogueDescription(int index, Language language);

// The program's icon: 16 x 16 for the menus, 36 x 36 for the catalogue pages.
QString catalogueIcon(int index);
QString catalogueIconLarge(int index);

}  // namespace lernwerk
