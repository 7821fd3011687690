#pragma once

#include <vector>

#include "dialogs/info_page.h"

namespace lernwerk {

// A German information page and its English twin.
struct InfoTwins {
    InfoPage* german;
    InfoPage* english;

    InfoPage* in(Language language) const { return quiz::PerLanguage<InfoPage*>{german, english}.in(language); }
};

// The information pages of the main window: a German and an English page for
// each row of `infoTopics()`.
class InfoPageSet {
public:
    // Builds the pages inside `pageControl`, so that their texts are measured
    // in the window's font; the caller adds them to it as tabs.
    InfoPageSet(ErrorReporter& errors, QWidget* pageControl);

    // In the order of the page control's tabs.
    const std::vector<InfoPage*>& pages() const { return pages_; }
    // In the order of the topics, the introduction first.
    const std::vector<InfoTwins>& twins() const { return twins_; }
    InfoPage* page(InfoTopic topic, Language language) const;

    void scrollToTop();
    void retranslate(Language interfaceLanguage);

private:
    std::vector<InfoPage*> pages_;
    std::vector<InfoTwins> twins_;
};

}  // namespace lernwerk
