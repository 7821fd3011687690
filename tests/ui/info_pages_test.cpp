#include "browser_stand_in.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>

#include <tuple>

#include "pages/catalogue_frame.h"
#include "widgets/click_label.h"

namespace lernwerk::testing {

namespace {

class InfoPagesTest : public BrowserTest {
protected:
    void SetUp() override
    {
        BrowserTest::SetUp();
        buildInfoPages();
    }

    // The link label with this caption on the named page.
    ClickLabel* link(const char* page, const QString& caption)
    {
        for (auto* label : find(page)->findChildren<ClickLabel*>())
            if (label->text() == caption)
                return label;
        ADD_FAILURE() << "no link " << caption.toStdString() << " on " << page;
        return nullptr;
    }
};

// The pages' content waits until a page is first shown, and is then named in the
// interface language of that moment.
TEST_F(BrowserTest, InformationPagesAreBuiltWhenFirstShown)
{
    const QList<InfoPage*> pages = mainWindow().findChildren<InfoPage*>();
    ASSERT_EQ(pages.size(), 10);
    for (InfoPage* page : pages)
        EXPECT_FALSE(page->isBuilt()) << page->objectName().toStdString();

    trigger("sp1");
    mainWindow().show();
    trigger("f7");  // the German donation page, through the menu
    auto* donation = find<InfoPage>("tbs");
    EXPECT_TRUE(donation->isBuilt());
    EXPECT_TRUE(find("tbsPicture")->isVisible());
    EXPECT_EQ(donation->findChild<QWidget*>(QStringLiteral("tbsPicture"))->accessibleName(),
              QStringLiteral("Bitte um eine Spende"));
    // The German introduction has its tab since the switch, but no one has looked at it yet;
    // closing the donation page brings it to the front.
    EXPECT_FALSE(find<InfoPage>("tb5")->isBuilt());
    ASSERT_NE(donation->okButton(), nullptr);
    donation->okButton()->click();
    EXPECT_EQ(find<QTabWidget>("blatt")->currentWidget(), find("tb5"));
    EXPECT_TRUE(find<InfoPage>("tb5")->isBuilt());
    ASSERT_NE(find("tb5")->findChild<ClickLabel*>(), nullptr);
    EXPECT_TRUE(find("tb5")->findChild<ClickLabel*>()->isVisible());
}

TEST_F(InfoPagesTest, ContentFitsItsPanelAndTheOkButtonStaysBelow)
{
    for (const char* page : {"tb5", "tbe", "tbs", "tbl", "tb5en", "tbeen", "tblen", "tbsen"}) {
        SCOPED_TRACE(page);
        auto* panel = find(QByteArray(page).append("Panel").constData());
        const QRect inside = panel->contentsRect();
        const auto items = panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        EXPECT_GE(items.size(), 1);
        for (QLabel* item : items) {
            EXPECT_TRUE(inside.contains(item->geometry())) << item->objectName().toStdString();
            if (item->wordWrap()) {  // a paragraph shows all its lines
                EXPECT_GE(item->height(), item->heightForWidth(item->width())) << item->objectName().toStdString();
            }
        }
        auto* ok = panel->parentWidget()->findChild<QPushButton*>();
        EXPECT_GT(ok->y(), panel->geometry().bottom());
        EXPECT_EQ(ok->geometry().right(), panel->geometry().right());
        EXPECT_LE(ok->geometry().bottom(), panel->parentWidget()->height());
    }
    for (const char* frame : {"TFrame1", "TFrame2"}) {
        for (auto* icon : find(frame)->findChildren<QToolButton*>())
            EXPECT_FALSE(icon->icon().pixmap(36).isNull()) << icon->objectName().toStdString();
        for (QLabel* text : find(frame)->findChildren<QLabel*>()) {
            if (text->wordWrap()) {  // the introduction and the rows' descriptions
                EXPECT_LE(text->heightForWidth(text->width()), text->height()) << text->objectName().toStdString();
            }
        }
    }
}

TEST_F(InfoPagesTest, LinksOpenTheirAddresses)
{
    link("tb5en", QStringLiteral("malke-studio.com/drillbook-help"))->clicked();
    link("tbe", QStringLiteral("jorin-malke.de"))->clicked();
    link("tbs", QStringLiteral("malke-studio.de/spenden"))->clicked();
    link("tblen", QStringLiteral("malke-studio.com/donate"))->clicked();
    find("TFrame1")->findChild<QToolButton*>(QStringLiteral("icon3"))->click();
    link("tbsoften", QStringLiteral("malke-studio.com/software"))->clicked();
    trigger("linkde3");
    trigger("linken0");
    EXPECT_EQ(
        browser.addresses,
        (QStringList{"http://www.malke-studio.com/drillbook-help&rf=kph", "http://www.jorin-malke.de/&rf=kph",
                     "http://www.malke-studio.de/spenden&rf=kph", "http://www.malke-studio.com/donate&rf=kph",
                     "http://www.malke-studio.de/zeitfaden&rf=kph", "http://www.malke-studio.com/software&rf=kph",
                     "http://www.malke-studio.de/zeitfaden&rf=kpm", "http://www.malke-studio.com/drillbook&rf=kpm"}));
}

TEST_F(InfoPagesTest, SoftwareMenusListTheCatalogueFirst)
{
    for (const auto& [menuName, prefix, site, tail] :
         {std::tuple{"m_soft_de", "linkde", "malke-studio.de/", "Kurzbeschreibung aller Programme"},
          std::tuple{"m_soft_en", "linken", "malke-studio.com/", "Brief Description of the Software"}}) {
        const QList<QAction*> entries = find<QMenu>(menuName)->actions();
        ASSERT_EQ(entries.size(), 20) << menuName;
        QSet<QString> addresses;
        for (int i = 0; i < 16; ++i) {
            QAction* entry = entries[i];
            EXPECT_EQ(entry->objectName(), prefix + QString::number(i));
            EXPECT_TRUE(entry->text().startsWith(QLatin1String(site))) << entry->text().toStdString();
            EXPECT_FALSE(entry->icon().pixmap(16).isNull()) << entry->objectName().toStdString();
            addresses << entry->text().section(QStringLiteral(" - "), 0, 0);
        }
        EXPECT_EQ(addresses.size(), 16) << menuName;
        EXPECT_EQ(entries[16]->text(), QLatin1String(tail));
        EXPECT_TRUE(entries[17]->isSeparator());
        for (QAction* link : {entries[18], entries[19]})
            EXPECT_TRUE(link->text().startsWith(QLatin1String(site))) << link->text().toStdString();
    }
}

TEST_F(InfoPagesTest, ControlsAreNamedForPeopleInTheInterfaceLanguage)
{
    const auto name = [this](const char* page, const char* control) {
        return find(page)->findChild<QWidget*>(QString::fromLatin1(control))->accessibleName();
    };
    for (const auto& [flag, icon, link, picture] :
         {std::tuple{"sp1", "Seite von Zeitfaden öffnen", "malke-studio.com/donate", "Bitte um eine Spende"},
          std::tuple{"sp2", "Open the page of Zeitfaden", "malke-studio.com/donate", "Asking for a donation"}}) {
        SCOPED_TRACE(flag);
        trigger(flag);
        EXPECT_EQ(name("TFrame1", "icon3"), QString::fromUtf8(icon));
        EXPECT_EQ(name("tbsen", "tbsenLink"), QLatin1String(link));
        EXPECT_EQ(name("tbs", "tbsPicture"), QLatin1String(picture));
        EXPECT_FALSE(find("tbs")->findChild<QWidget*>(QStringLiteral("tbsPicture"))->accessibleDescription().isEmpty());
    }
    EXPECT_EQ(name("TFrame2", "icon3"), QStringLiteral("Open the page of Timethread"));
    EXPECT_EQ(name("TFrame2", "softwareLink"), QStringLiteral("malke-studio.com/software"));

    // Every control a person can reach has a name, and none is an internal one.
    for (const char* page : {"tb5", "tbe", "tbs", "tbl", "tb5en", "tbeen", "tblen", "tbsen", "tbsoftde", "tbsoften"}) {
        for (auto* control : find(page)->findChildren<QWidget*>()) {
            if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
                const QString accessible = control->accessibleName().isEmpty()
                                               ? QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name)
                                               : control->accessibleName();
                EXPECT_FALSE(accessible.isEmpty()) << control->objectName().toStdString();
                EXPECT_NE(accessible, control->objectName());
            }
        }
    }
}

TEST_F(InfoPagesTest, PointerOverARowFocusesTheListAndTheWheelMovesItByTen)
{
    trigger("sp1");
    mainWindow().show();
    trigger("Software1");
    auto* frame = find<CatalogueFrame>("TFrame1");
    QScrollArea* list = frame->scrollBox();
    ASSERT_EQ(list->objectName(), QStringLiteral("ScrollBox1"));
    QScrollBar* bar = list->verticalScrollBar();
    auto* title = frame->findChild<QLabel*>(QStringLiteral("title4"));
    auto* description = frame->findChild<QLabel*>(QStringLiteral("description4"));

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), description->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(description, &move);
    EXPECT_EQ(mainWindow().focusWidget(), list);

    const auto wheel = [](QWidget* over, int delta) {
        QWheelEvent event(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    };
    wheel(title, -120);  // one notch towards the user: down
    EXPECT_EQ(bar->value(), 10);
    wheel(description, -60);  // half a notch waits for the other half
    EXPECT_EQ(bar->value(), 10);
    wheel(description, -60);
    EXPECT_EQ(bar->value(), 20);
    wheel(list->viewport(), 3 * 120);
    EXPECT_EQ(bar->value(), 0);
    bar->setValue(bar->maximum() - 4);
    wheel(title, -120);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_GT(bar->maximum(), 500);
}

}  // namespace
}  // namespace lernwerk::testing
