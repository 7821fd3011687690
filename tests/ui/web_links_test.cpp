#include "browser_stand_in.h"

#include <QMouseEvent>
#include <QScrollArea>

#include "desktop/web_links.h"
#include "dialogs/report_dialog.h"
#include "pages/catalogue_frame.h"
#include "widgets/click_label.h"

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
    ::testing::Values(LinkCase{"bare_site_gets_its_root", "malke-studio.de", "kpm", true,
                               "http://www.malke-studio.de/&rf=kpm"},
                      LinkCase{"bare_com_site", "jorin-malke.com", "kph", true, "http://www.jorin-malke.com/&rf=kph"},
                      LinkCase{"description_cut", "malke-studio.de/spenden - Falls Ihnen diese Software gefällt", "kpm",
                               true, "http://www.malke-studio.de/spenden&rf=kpm"},
                      LinkCase{"ampersands_removed", "malke-studio.com/a&b - x", "kph", true,
                               "http://www.malke-studio.com/ab&rf=kph"},
                      LinkCase{"report_links_unchanged", "malke-studio.de/support", "kpr", false,
                               "http://www.malke-studio.de/support&rf=kpr"},
                      LinkCase{"no_clean_up_keeps_all", "malke-studio.de/a&b - c", "kph", false,
                               "http://www.malke-studio.de/a&b - c&rf=kph"}),
    [](const ::testing::TestParamInfo<LinkCase>& param_info) { return std::string(param_info.param.name); });

using WebLinksTest = BrowserTest;

// Presses the left button at `from` and releases it at `to`, both in `area`'s
// coordinates, as a user does: the control under `from` takes the press and
// keeps the mouse until the release.
void pressAndRelease(QWidget* area, QPoint from, QPoint to)
{
    QWidget* target = area->childAt(from);
    if (!target)
        target = area;
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(target->mapFrom(area, at)), QPointF(area->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

TEST_F(WebLinksTest, MenuEntriesOpenTheirAddresses)
{
    trigger("i6");
    trigger("sp1");
    trigger("i8");
    EXPECT_EQ(browser.addresses,
              (QStringList{"http://www.malke-studio.com/&rf=kpm", "http://www.malke-studio.de/spenden&rf=kpm"}));
}

TEST_F(WebLinksTest, OnlyTheThirdStatusPanelOpensTheDonationPage)
{
    mainWindow().show();
    auto* bar = find<StatusBar>("anzeige");
    const auto click = [bar](int x) { pressAndRelease(bar, {x, 5}, {x, 5}); };
    for (int x : {0, 119, 300, 600, 700})
        click(x);
    EXPECT_TRUE(browser.addresses.isEmpty());
    click(420);
    trigger("sp1");
    click(599);
    EXPECT_EQ(browser.addresses,
              (QStringList{"http://www.malke-studio.com/donate&rf=kpl", "http://www.malke-studio.de/spenden&rf=kpl"}));
}

TEST_F(WebLinksTest, AClickOpensOnlyWherePressedAndReleasedOnTheLink)
{
    mainWindow().show();
    buildInfoPages();
    auto* bar = find<StatusBar>("anzeige");
    const int y = bar->height() / 2;
    // Off the third panel, onto it, off the bar, and right of the last panel.
    for (const auto& [from, to] :
         {std::pair{QPoint(500, y), QPoint(100, y)}, std::pair{QPoint(100, y), QPoint(500, y)},
          std::pair{QPoint(500, y), QPoint(500, -30)}, std::pair{QPoint(700, y), QPoint(700, y)}})
        pressAndRelease(bar, from, to);
    EXPECT_TRUE(browser.addresses.isEmpty()) << browser.addresses.join(QLatin1Char(' ')).toStdString();
    pressAndRelease(bar, QPoint(500, y), QPoint(590, y));
    EXPECT_EQ(browser.addresses, QStringList{"http://www.malke-studio.com/donate&rf=kpl"});

    // Link labels: on the caption, from the caption to the room right of
    // it, and in that room alone.
    trigger("m_bug");
    trigger("Software1");
    find<QScrollArea>("ScrollBox2")->ensureVisible(0, 890);
    ReportDialog& report = program->englishReport();
    auto* software = find("TFrame2")->findChild<ClickLabel*>(QStringLiteral("softwareLink"));
    ClickLabel* introduction = nullptr;
    for (auto* link : find("tb5en")->findChildren<ClickLabel*>())
        if (link->text() == QLatin1String("malke-studio.com/drillbook-help"))
            introduction = link;
    ASSERT_NE(introduction, nullptr);
    QStringList opened;
    for (ClickLabel* label : {report.findChild<ClickLabel*>(QStringLiteral("Label70")),
                              report.findChild<ClickLabel*>(QStringLiteral("Label1")), software, introduction}) {
        browser.addresses.clear();
        QWidget* area = label->parentWidget();
        const int middle = label->y() + label->height() / 2;
        const int textRight = label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
        const QPoint onText(label->x() + 10, middle);
        const QPoint besideText(textRight + 8, middle);
        pressAndRelease(area, onText, besideText);
        pressAndRelease(area, besideText, besideText);
        EXPECT_TRUE(browser.addresses.isEmpty()) << label->objectName().toStdString();
        pressAndRelease(area, besideText, onText);
        pressAndRelease(area, onText, onText);
        opened << browser.addresses;
    }
    EXPECT_EQ(opened,
              (QStringList{
                  "http://www.malke-studio.com/support&rf=kpr", "http://www.malke-studio.com/individual&rf=kpr",
                  "http://www.malke-studio.com/software&rf=kph", "http://www.malke-studio.com/drillbook-help&rf=kph"}));
}

TEST_F(WebLinksTest, ReportDialogOfTheLanguageWithItsLinks)
{
    trigger("m_bug");
    trigger("m_bug_i");
    ReportDialog& english = program->englishReport();
    EXPECT_TRUE(english.isVisible());
    EXPECT_FALSE(program->germanReport().isVisible());
    EXPECT_FALSE(english.isModal());

    english.findChild<ClickLabel*>(QStringLiteral("Label70"))->clicked();
    english.findChild<ClickLabel*>(QStringLiteral("Label1"))->clicked();
    EXPECT_TRUE(english.isVisible());
    EXPECT_EQ(browser.addresses, (QStringList{"http://www.malke-studio.com/support&rf=kpr",
                                              "http://www.malke-studio.com/individual&rf=kpr"}));

    // After a switch both windows can be open at once.
    trigger("sp1");
    trigger("m_bug");
    EXPECT_TRUE(program->germanReport().isVisible());
    EXPECT_TRUE(english.isVisible());
    english.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    EXPECT_FALSE(english.isVisible());
}

}  // namespace
}  // namespace lernwerk::testing
