#include "lang/texts.h"

namespace lernwerk::lang {

const std::vector<PagePair>& infoPagePairs()
{
    static const std::vector<PagePair> pairs{
        {"tb5", "tb5en"},   {"tbe", "tbeen"},         {"tbl", "tblen"},
        {"tbs", "tbsen"},   {"tbsoftde", "tbsoften"},
    };
    return pairs;
}

}  // namespace lernwerk::lang
