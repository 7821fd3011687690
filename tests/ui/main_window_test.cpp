#include "program_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include "widgets/page_control.h"

namespace lernwerk::testing {
namespace {

class MainWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
    }

    PageControl* pageControl() { return find<PageControl>("blatt"); }
    QStringList visibleTabs()
    {
        QStringList names;
        for (int i = 0; i < pageControl()->count(); ++i)
            if (pageControl()->isTabVisible(i))
                names << pageControl()->widget(i)->objectName();
        return names;
    }
    QString currentPage() { return pageControl()->currentWidget()->objectName(); }
    int top(const char* name) { return find(name)->geometry().top(); }
    int bottom(const char* name) { return find(name)->geometry().top() + find(name)->height(); }
};

TEST_F(MainWindowTest, PagesInTheirOrder)
{
    const QStringList order{"tb1", "tb2",   "tb3",   "editor", "progress", "tb5",      "tbe",     "tbs",
                            "tbl", "tb5en", "tbeen", "tblen",  "tbsen",    "tbsoftde", "tbsoften"};
    QStringList actual;
    for (int i = 0; i < pageControl()->count(); ++i)
        actual << pageControl()->widget(i)->objectName();
    EXPECT_EQ(actual, order);
    EXPECT_EQ(visibleTabs(), (QStringList{"tb1", "tb2", "tb3", "tb5en"}));
    EXPECT_EQ(currentPage(), QStringLiteral("tb1"));
}

TEST_F(MainWindowTest, SizeAndResizeRule)
{
    mainWindow().show();
    EXPECT_EQ(mainWindow().centralWidget()->width(), 771);
    EXPECT_EQ(mainWindow().centralWidget()->height() + find("anzeige")->height(), 543);
    // The smallest size holds for the whole window, frame included.
    EXPECT_EQ(mainWindow().minimumSize() + (mainWindow().frameGeometry().size() - mainWindow().size()),
              QSize(600, 440));
    EXPECT_EQ(pageControl()->geometry(), QRect(9, 8, 754, 512));
    // The page area is 484 high in the window's design; the tab row's height
    // depends on the style, and the rule gives the same fields for 484 to 488.
    ASSERT_EQ((find("tb1")->height() - 74) / 5, 82);

    EXPECT_EQ(top("frage"), 40);
    EXPECT_EQ(bottom("frage"), 164);
    EXPECT_EQ(top("Label11"), 172);
    EXPECT_EQ(top("antwort"), 197);
    EXPECT_EQ(bottom("antwort"), 279);
    EXPECT_EQ(top("Label12"), 286);
    EXPECT_EQ(top("loesung"), 311);
    EXPECT_EQ(bottom("loesung"), 435);
    // Hidden pages get their size when they are first shown.
    trigger("p2");
    ASSERT_EQ(find("editor")->height(), find("tb1")->height());
    EXPECT_EQ(find("gb1")->height(), 145);
    EXPECT_EQ(top("gb2"), 224);
    EXPECT_EQ(bottom("gb2"), 369);

    // At the minimum size the fields keep their order and spacing.
    mainWindow().resize(mainWindow().minimumSize());
    EXPECT_EQ(find("editor")->height(), find("tb1")->height());
    const int h = find("tb1")->height();
    const int a = (h - 74) / 5;
    EXPECT_EQ(bottom("frage"), 2 * a);
    EXPECT_EQ(top("antwort"), 2 * a + 33);
    EXPECT_EQ(bottom("loesung"), 5 * a + 25);
    EXPECT_LT(bottom("loesung"), top("bt_correct"));
    EXPECT_EQ(top("gb2"), (h - 194) / 2 + 79);
    EXPECT_LE(bottom("gb2"), find("GroupBox3")->geometry().top());
}

TEST_F(MainWindowTest, MenusOpenTheirPages)
{
    trigger("f2");
    EXPECT_EQ(currentPage(), QStringLiteral("tb2"));
    trigger("f3");
    EXPECT_EQ(currentPage(), QStringLiteral("tb3"));
    trigger("p2");
    EXPECT_EQ(currentPage(), QStringLiteral("editor"));
    EXPECT_TRUE(visibleTabs().contains(QStringLiteral("editor")));
    click("Button12");
    EXPECT_FALSE(visibleTabs().contains(QStringLiteral("editor")));
    trigger("f4");
    EXPECT_EQ(currentPage(), QStringLiteral("editor"));
    trigger("f1");
    EXPECT_EQ(currentPage(), QStringLiteral("tb1"));

    trigger("f8");  // English licence page under "en"
    EXPECT_EQ(currentPage(), QStringLiteral("tblen"));
    trigger("i2");
    EXPECT_EQ(currentPage(), QStringLiteral("tbeen"));
    trigger("Software1");
    EXPECT_EQ(currentPage(), QStringLiteral("tbsoften"));
    click("Button19");  // OK of the catalogue: the last tab goes, the one before shows
    EXPECT_EQ(currentPage(), QStringLiteral("tblen"));
    click("Button16");  // the licence page's OK: its right neighbour moves in
    EXPECT_EQ(visibleTabs(), (QStringList{"tb1", "tb2", "tb3", "editor", "tb5en", "tbeen"}));

    trigger("p1");
    EXPECT_EQ(currentPage(), QStringLiteral("tb1"));
    EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());
}

TEST_F(MainWindowTest, EveryMenuEntryHasACaption)
{
    for (const char* name :
         {"p1", "p2", "m_bug",    "p3",  "f1",  "f2",  "f3",  "f4",      "f5", "f6",        "Software2",
          "f7", "f8", "Schrift1", "hf",  "sp1", "sp2", "i1",  "m_bug_i", "i2", "Software1", "i3",
          "i4", "i5", "i9",       "i11", "i6",  "i7",  "i10", "i8",      "i12"}) {
        auto* entry = find<QAction>(name);
        ASSERT_NE(entry, nullptr) << name;
        EXPECT_FALSE(entry->text().isEmpty()) << name;
    }
}

TEST_F(MainWindowTest, UserTabChoiceScrollsInformationPagesToTop)
{
    trigger("f5");
    auto* scroll = find<QScrollArea>("ScrollBox5");
    scroll->resize(545, 200);
    scroll->verticalScrollBar()->setValue(120);
    trigger("f1");  // a program change keeps the position
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 120);
    pageControl()->setCurrentIndex(1);  // as a click on a tab does
    EXPECT_EQ(scroll->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, StatusBarPanelsAndHand)
{
    EXPECT_EQ(StatusBar::panelAt(0), 0);
    EXPECT_EQ(StatusBar::panelAt(119), 0);
    EXPECT_EQ(StatusBar::panelAt(120), 1);
    EXPECT_EQ(StatusBar::panelAt(420), 2);
    EXPECT_EQ(StatusBar::panelAt(599), 2);
    EXPECT_EQ(StatusBar::panelAt(600), -1);
    EXPECT_FALSE(StatusBar::showsHandAt(420));
    EXPECT_TRUE(StatusBar::showsHandAt(421));
    EXPECT_TRUE(StatusBar::showsHandAt(599));
    EXPECT_FALSE(StatusBar::showsHandAt(600));
}

}  // namespace
}  // namespace lernwerk::testing
