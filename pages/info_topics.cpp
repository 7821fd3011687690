#include "pages/info_topics.h"

#include "lang/info_page_texts.h"
#include "pages/catalogue_page.h"
#include "pages/donation_page.h"
#include "pages/info_text_page.h"

namespace lernwerk {

namespace {

template <typename Page>
InfoPage* makePage(const InfoTopicRow& row, Language language, ErrorReporter& errors, QWidget* pageControl)
{
    return new Page(row, language, errors, pageControl);
}

// The donation and catalogue pages fill themselves.
const InfoTexts& noTexts()
{
    static const InfoTexts none{{}, {}};
    return none;
}

}  // namespace

const std::vector<InfoTopicRow>& infoTopics()
{
    static const std::vector<InfoTopicRow> topics{
        {
            .topic = InfoTopic::introduction,
            .tab = infoTopicCaptions(InfoTopic::introduction).tab,
            .windowsEntry = {"f5", infoTopicCaptions(InfoTopic::introduction).windowsEntry},
            .helpEntry = {"i1", infoTopicCaptions(InfoTopic::introduction).helpEntry},
            .shape = {{"tb5", "ScrollBox4", "Button5", 850}, {"tb5en", "ScrollBox5", "Button14", 730}},
            .tabPlace = {0, 4},
            .opensAtTop = false,
            .makePage = &makePage<InfoTextPage>,
            .texts = &introductionTexts,
        },
        {
            .topic = InfoTopic::recommendations,
            .tab = infoTopicCaptions(InfoTopic::recommendations).tab,
            .windowsEntry = {"f6", infoTopicCaptions(InfoTopic::recommendations).windowsEntry},
            .helpEntry = {"i2", infoTopicCaptions(InfoTopic::recommendations).helpEntry},
            .shape = {{"tbe", "ScrollBox1", "Button6", 460}, {"tbeen", "ScrollBox6", "Button15", 460}},
            .tabPlace = {1, 5},
            .opensAtTop = false,
            .makePage = &makePage<InfoTextPage>,
            .texts = &recommendationsTexts,
        },
        {
            .topic = InfoTopic::catalogue,
            .tab = infoTopicCaptions(InfoTopic::catalogue).tab,
            .windowsEntry = {"Software2", infoTopicCaptions(InfoTopic::catalogue).windowsEntry},
            .helpEntry = {"Software1", infoTopicCaptions(InfoTopic::catalogue).helpEntry},
            .shape = {{"tbsoftde", "ScrollBox9", "Button18", 460}, {"tbsoften", "ScrollBox10", "Button19", 460}},
            .tabPlace = {8, 9},
            .opensAtTop = true,
            .makePage = &makePage<CataloguePage>,
            .texts = &noTexts,
        },
        {
            .topic = InfoTopic::donation,
            .tab = infoTopicCaptions(InfoTopic::donation).tab,
            .windowsEntry = {"f7", infoTopicCaptions(InfoTopic::donation).windowsEntry},
            .helpEntry = {"i3", infoTopicCaptions(InfoTopic::donation).helpEntry},
            .shape = {{"tbs", "ScrollBox2", "Button3", 350}, {"tbsen", "ScrollBox8", "Button17", 350}},
            .tabPlace = {2, 7},
            .opensAtTop = false,
            .makePage = &makePage<DonationPage>,
            .texts = &noTexts,
        },
        {
            .topic = InfoTopic::licence,
            .tab = infoTopicCaptions(InfoTopic::licence).tab,
            .windowsEntry = {"f8", infoTopicCaptions(InfoTopic::licence).windowsEntry},
            .helpEntry = {"i4", infoTopicCaptions(InfoTopic::licence).helpEntry},
            .shape = {{"tbl", "ScrollBox3", "Button4", 300}, {"tblen", "ScrollBox7", "Button16", 300}},
            .tabPlace = {3, 6},
            .opensAtTop = false,
            .makePage = &makePage<InfoTextPage>,
            .texts = &licenceTexts,
        },
    };
    return topics;
}

}  // namespace lernwerk
