#pragma once

#include <vector>

#include "pages/info_page.h"

namespace lernwerk {

class PageControl;

// A German information page and its English twin.
struct InfoTwins {
    InfoPage* german;
    InfoPage* english;

    InfoPage* in(Language language) const { return quiz::PerLanguage<InfoPage*>{german, english}.in(language); }
};

// The information pages of the main window: a German and an English page for
// each row of `infoTopics()`, as hidden tabs of the window's page control.
// A page's content is built when it is first shown; its OK hides it again.
class InfoPageSet {
public:
    InfoPageSet(ErrorReporter& errors, PageControl& pageControl);

    // In the order of the page control's tabs.
    const std::vector<InfoPage*>& pages() const { return pages_; }
    // In the order of the topics, the introduction first.
    const std::vector<InfoTwins>& twins() const { return twins_; }
    InfoPage* page(InfoTopic topic, Language language) const;

    // Shows the page of `topic` in `language` and brings it to the front.
    void show(InfoTopic topic, Language language);
    void scrollToTop();
    // The pages name their controls in the interface language, and the open
    // pages of another language give way to their twins in this one.
    void retranslate(Language interfaceLanguage);

private:
    void showTwinsIn(Language language);

    PageControl& pageControl_;
    std::vector<InfoPage*> pages_;
    std::vector<InfoTwins> twins_;
};

}  // namespace lernwerk
