#include "dialogs/info_page_set.h"

#include "dialogs/catalogue_page.h"
#include "dialogs/donation_page.h"
#include "dialogs/info_text_page.h"

namespace lernwerk {

namespace {

struct PageEntry {
    InfoTopic topic;
    Language language;
    InfoPageShape shape;
};

// In the order of the page control.
const PageEntry kPages[] = {
    {InfoTopic::introduction, Language::German, {"tb5", "ScrollBox4", "Button5", 850}},
    {InfoTopic::recommendations, Language::German, {"tbe", "ScrollBox1", "Button6", 460}},
    {InfoTopic::donation, Language::German, {"tbs", "ScrollBox2", "Button3", 350}},
    {InfoTopic::licence, Language::German, {"tbl", "ScrollBox3", "Button4", 300}},
    {InfoTopic::introduction, Language::English, {"tb5en", "ScrollBox5", "Button14", 730}},
    {InfoTopic::recommendations, Language::English, {"tbeen", "ScrollBox6", "Button15", 460}},
    {InfoTopic::licence, Language::English, {"tblen", "ScrollBox7", "Button16", 300}},
    {InfoTopic::donation, Language::English, {"tbsen", "ScrollBox8", "Button17", 350}},
    {InfoTopic::catalogue, Language::German, {"tbsoftde", "ScrollBox9", "Button18", 460}},
    {InfoTopic::catalogue, Language::English, {"tbsoften", "ScrollBox10", "Button19", 460}},
};

// The topics in the order of `InfoPageSet::twins`.
constexpr InfoTopic kTwinOrder[] = {InfoTopic::introduction, InfoTopic::recommendations, InfoTopic::licence,
                                    InfoTopic::donation, InfoTopic::catalogue};

InfoPage* makePage(const PageEntry& entry, ErrorReporter& errors, QWidget* parent)
{
    switch (entry.topic) {
        case InfoTopic::donation:
            return new DonationPage(entry.language, entry.shape, errors, parent);
        case InfoTopic::catalogue:
            return new CataloguePage(entry.language, entry.shape, errors, parent);
        case InfoTopic::introduction:
        case InfoTopic::recommendations:
        case InfoTopic::licence:
            break;
    }
    return new InfoTextPage(entry.topic, entry.language, entry.shape, errors, parent);
}

}  // namespace

InfoPageSet::InfoPageSet(ErrorReporter& errors, QWidget* pageControl)
{
    for (const PageEntry& entry : kPages)
        pages_.push_back(makePage(entry, errors, pageControl));
    for (std::size_t i = 0; i < twins_.size(); ++i)
        twins_[i] = {page(kTwinOrder[i], Language::German), page(kTwinOrder[i], Language::English)};
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
