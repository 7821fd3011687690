#pragma once

#include <string>
#include <vector>

namespace lernwerk::lang {

// The information pages in pairs, German page first: introduction, then
// recommendations, licence, donation and software catalogue.
struct PagePair {
    const char* german;
    const char* english;
};
const std::vector<PagePair>& infoPagePairs();

}  // namespace lernwerk::lang
