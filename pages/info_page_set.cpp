#include "pages/info_page_set.h"

#include <algorithm>

#include "desktop/error_reporter.h"
#include "widgets/page_control.h"

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

InfoPageSet::InfoPageSet(ErrorReporter& errors, PageControl& pageControl) : pageControl_(pageControl)
{
    // Made inside the page control, so that their texts are measured in the window's font.
    for (const PagePlace& place : pagesInTabOrder())
        pages_.push_back(place.row->makePage(*place.row, place.language, errors, &pageControl));
    for (const InfoTopicRow& row : infoTopics())
        twins_.push_back({page(row.topic, Language::German), page(row.topic, Language::English)});
    for (InfoPage* page : pages_) {
        pageControl.addPage(page);
        pageControl.setPageVisible(page, false);
        connectGuarded(page, &InfoPage::closeRequested, &pageControl, errors,
                       [&pageControl, page] { pageControl.setPageVisible(page, false); });
    }
    // The page that becomes the current one gets its content at once, even
    // while the window is hidden, so that its controls exist from then on.
    QObject::connect(&pageControl, &QTabWidget::currentChanged, &pageControl, [&pageControl](int index) {
        if (auto* page = qobject_cast<InfoPage*>(pageControl.widget(index)))
            page->ensureBuilt();
    });
}

void InfoPageSet::show(InfoTopic topic, Language language)
{
    InfoPage* shown = page(topic, language);
    pageControl_.setPageVisible(shown, true);
    pageControl_.selectPage(shown);
    if (shown->row().opensAtTop)
        shown->scrollToTop();
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
    showTwinsIn(interfaceLanguage);
    for (InfoPage* page : pages_)
        page->retranslate(interfaceLanguage);
}

void InfoPageSet::showTwinsIn(Language language)
{
    for (const InfoTwins& pair : twins_) {
        InfoPage* wanted = pair.in(language);
        // The introduction of the new language always shows; any other page
        // shows when the user had it open in another language.
        bool wasOpen = &pair == &twins_.front();
        for (const Language other : quiz::kLanguages) {
            InfoPage* page = pair.in(other);
            if (page == wanted)
                continue;
            wasOpen = wasOpen || pageControl_.isPageVisible(page);
            pageControl_.setPageVisible(page, false);
        }
        if (wasOpen)
            pageControl_.setPageVisible(wanted, true);
    }
}

}  // namespace lernwerk
