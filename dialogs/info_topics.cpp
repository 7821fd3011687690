#include "dialogs/info_topics.h"

#include "dialogs/catalogue_page.h"
#include "dialogs/donation_page.h"
#include "dialogs/info_text_page.h"

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
            .tab = {QStringLiteral("Einführung"), QStringLiteral("Introduction")},
            .windowsEntry = {"f5", {QStringLiteral("Einführung"), QStringLiteral("Introduction")}},
            .helpEntry = {"i1", {QStringLiteral("Einführung"), QStringLiteral("Introduction")}},
            .shape = {{"tb5", "ScrollBox4", "Button5", 850}, {"tb5en", "ScrollBox5", "Button14", 730}},
            .tabPlace = {0, 4},
            .opensAtTop = false,
            .makePage = &makePage<InfoTextPage>,
            .texts = &introductionTexts,
        },
        {
            .topic = InfoTopic::recommendations,
            .tab = {QStringLiteral("Empfehlungen"), QStringLiteral("Regards")},
            .windowsEntry = {"f6", {QStringLiteral("Empfehlungen"), QStringLiteral("Regards")}},
            .helpEntry = {"i2", {QStringLiteral("Empfehlungen"), QStringLiteral("Regards")}},
            .shape = {{"tbe", "ScrollBox1", "Button6", 460}, {"tbeen", "ScrollBox6", "Button15", 460}},
            .tabPlace = {1, 5},
            .opensAtTop = false,
            .makePage = &makePage<InfoTextPage>,
            .texts = &recommendationsTexts,
        },
        {
            .topic = InfoTopic::catalogue,
            .tab = {QStringLiteral("Software"), QStringLiteral("Software")},
            .windowsEntry = {"Software2", {QStringLiteral("Software"), QStringLiteral("Software")}},
            .helpEntry = {"Software1", {QStringLiteral("Software"), QStringLiteral("Software")}},
            .shape = {{"tbsoftde", "ScrollBox9", "Button18", 460}, {"tbsoften", "ScrollBox10", "Button19", 460}},
            .tabPlace = {8, 9},
            .opensAtTop = true,
            .makePage = &makePage<CataloguePage>,
            .texts = &noTexts,
        },
        {
            .topic = InfoTopic::donation,
            .tab = {QStringLiteral("Wieso spenden?"), QStringLiteral("Why Donate?")},
            .windowsEntry = {"f7", {QStringLiteral("Wieso spenen?"), QStringLiteral("Why Donate?")}},
            .helpEntry = {"i3", {QStringLiteral("Wieso Spenden?"), QStringLiteral("Why Donate?")}},
            .shape = {{"tbs", "ScrollBox2", "Button3", 350}, {"tbsen", "ScrollBox8", "Button17", 350}},
            .tabPlace = {2, 7},
            .opensAtTop = false,
            .makePage = &makePage<DonationPage>,
            .texts = &noTexts,
        },
        {
            .topic = InfoTopic::licence,
            .tab = {QStringLiteral("Lizenz"), QStringLiteral("Licence")},
            .windowsEntry = {"f8", {QStringLiteral("Lizenz"), QStringLiteral("Licence")}},
            .helpEntry = {"i4", {QStringLiteral("Lizenz"), QStringLiteral("Licence")}},
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
