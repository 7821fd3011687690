#include "browser_stand_in.h"

#include "widgets/click_label.h"
#include "dialogs/tbugreport.h"
#include "widgets/web_links.h"

namespace lernwerk::testing {

namespace {

struct LinkCase {
    const char* name;
    QString text;
    QString referrer;
    bool cleanUp;
    QString address;
};

class LinkAddress : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkAddress, FollowsTheLinkRule)
{
    EXPECT_EQ(linkAddress(GetParam().text, GetParam().referrer, GetParam().cleanUp), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkAddress,
    ::testing::Values(
        LinkCase{"bare_site_gets_its_root", "malke-studio.de", "kpm", true, "http://www.malke-studio.de/&rf=kpm"},
        LinkCase{"bare_com_site", "jorin-malke.com", "kph", true, "http://www.jorin-malke.com/&rf=kph"},
        LinkCase{"description_cut", "malke-studio.de/spenden - Falls Ihnen diese Software gefällt", "kpm", true,
                 "http://www.malke-studio.de/spenden&rf=kpm"},
        LinkCase{"ampersands_removed", "malke-studio.com/a&b - x", "kph", true,
                 "http://www.malke-studio.com/ab&rf=kph"},
        LinkCase{"report_links_unchanged", "malke-studio.de/support", "kpr", false,
                 "http://www.malke-studio.de/support&rf=kpr"},
        LinkCase{"no_clean_up_keeps_all", "malke-studio.de/a&b - c", "kph", false,
                 "http://www.malke-studio.de/a&b - c&rf=kph"}),
    [](const ::testing::TestParamInfo<LinkCase>& param_info) { return std::string(param_info.param.name); });

using WebLinksTest = BrowserTest;

TEST_F(WebLinksTest, MenuEntriesOpenTheirAddresses)
{
    trigger("i6");
    trigger("sp1");
    trigger("i8");
    EXPECT_EQ(browser.addresses, (QStringList{"http://www.malke-studio.com/&rf=kpm",
                                              "http://www.malke-studio.de/spenden&rf=kpm"}));
}

TEST_F(WebLinksTest, OnlyTheThirdStatusPanelOpensTheDonationPage)
{
    for (int x : {0, 119, 300, 600, 700})
        prog().anzeigeClick(x);
    EXPECT_TRUE(browser.addresses.isEmpty());
    prog().anzeigeClick(420);
    trigger("sp1");
    prog().anzeigeClick(599);
    EXPECT_EQ(browser.addresses, (QStringList{"http://www.malke-studio.com/donate&rf=kpl",
                                              "http://www.malke-studio.de/spenden&rf=kpl"}));
}

TEST_F(WebLinksTest, ReportDialogOfTheLanguageWithItsLinks)
{
    trigger("m_bug");
    trigger("m_bug_i");
    Tbugreport& english = program->bugreportEn();
    EXPECT_TRUE(english.isVisible());
    EXPECT_FALSE(program->bugreportDe().isVisible());
    EXPECT_FALSE(english.isModal());

    english.findChild<ClickLabel*>(QStringLiteral("Label70"))->clicked();
    english.findChild<ClickLabel*>(QStringLiteral("Label1"))->clicked();
    EXPECT_TRUE(english.isVisible());
    EXPECT_EQ(browser.addresses, (QStringList{"http://www.malke-studio.com/support&rf=kpr",
                                              "http://www.malke-studio.com/individual&rf=kpr"}));

    // After a switch both windows can be open at once.
    trigger("sp1");
    trigger("m_bug");
    EXPECT_TRUE(program->bugreportDe().isVisible());
    EXPECT_TRUE(english.isVisible());
    english.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_FALSE(english.isVisible());
}

}  // namespace
}  // namespace lernwerk::testing

