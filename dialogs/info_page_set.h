#pragma once

#include <array>
#include <vector>

#include "dialogs/info_page.h"

namespace lernwerk {

// A German information page and its English twin.
struct InfoTwins {
    InfoPage* german;
    InfoPage* english;

    InfoPage* in(Language language) const { return language == Language::German ? german : english; }
};

// The ten information pages of the main window, German first: introduction,
// recommendations, donation, licence; then the English introduction,
// recommendations, licence, donation; then the German and the English
// software catalogue.
class InfoPageSet {
public:
    // Builds the pages inside `pageControl`, so that their texts are measured
    // in the window's font; the caller adds them to it as tabs.
    InfoPageSet(ErrorReporter& errors, QWidget* pageControl);

    // In the order of the page control's tabs.
    const std::vector<InfoPage*>& pages() const { return pages_; }
    // Introduction first, then recommendations, licence, donation and catalogue.
    const std::array<InfoTwins, 5>& twins() const { return twins_; }
    InfoPage* page(InfoTopic topic, Language language) const;

    void scrollToTop();
    void retranslate(Language interfaceLanguage);

private:
    std::vector<InfoPage*> pages_;
    std::array<InfoTwins, 5> twins_{};
};

}  // namespace lernwerk
