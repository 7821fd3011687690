#include "dialogs/info_page_set.h"

#include <algorithm>

namespace lernwerk {

namespace {

struct PagePlace {
    const InfoTopicRow* row;
    Language language;
    int place;
};

// Every page of every topic, in the order of the page control.
std::vector<PagePlace> pagesInTabOrder()
{
    std::vector<PagePlace> places;
    for (const InfoTopicRow& row : infoTopics())
        for (const Language language : quiz::kLanguages)
            places.push_back({&row, language, row.tabPlace.in(language)});
    std::stable_sort(places.begin(), places.end(),
                     [](const PagePlace& a, const PagePlace& b) { return a.place < b.place; });
    return places;
}

}  // namespace

InfoPageSet::InfoPageSet(ErrorReporter& errors, QWidget* pageControl)
{
    for (const PagePlace& place : pagesInTabOrder())
        pages_.push_back(place.row->makePage(*place.row, place.language, errors, pageControl));
    for (const InfoTopicRow& row : infoTopics())
        twins_.push_back({page(row.topic, Language::German), page(row.topic, Language::English)});
}

InfoPage* InfoPageSet::page(InfoTopic topic, Language language) const
{
    for (InfoPage* candidate : pages_)
        if (candidate->topic() == topic && candidate->language() == language)
            return candidate;
    return nullptr;
}

void InfoPageSet::scrollToTop()
{
    for (InfoPage* page : pages_)
        page->scrollToTop();
}

void InfoPageSet::retranslate(Language interfaceLanguage)
{
    for (InfoPage* page : pages_)
        page->retranslate(interfaceLanguage);
}

}  // namespace lernwerk
