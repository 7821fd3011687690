#include "program_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QTabWidget>

#include "widgets/page_control.h"
#include "lang/texts.h"

namespace lernwerk::testing {
namespace {

class LanguageTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
    }

    PageControl* blatt() { return find<PageControl>("blatt"); }

    // What the window shows for one table entry.
    QString shown(const lang::Text& text)
    {
        const QString name = QString::fromLatin1(text.object);
        QObject* object = name == prog().objectName() ? &prog() : prog().findChild<QObject*>(name);
        if (!object)
            return QStringLiteral("<missing %1>").arg(name);
        switch (text.slot) {
        case lang::Slot::Tab:
            return blatt()->tabText(blatt()->indexOf(qobject_cast<QWidget*>(object)));
        case lang::Slot::Panel0:
            return panel(0);
        case lang::Slot::Panel1:
            return panel(1);
        case lang::Slot::Panel2:
            return panel(2);
        case lang::Slot::Lines:
            return qobject_cast<QPlainTextEdit*>(object)->toPlainText();
        case lang::Slot::Caption:
            break;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            return button->text();
        if (auto* label = qobject_cast<QLabel*>(object))
            return label->text();
        if (auto* group = qobject_cast<QGroupBox*>(object))
            return group->title();
        if (auto* menu = qobject_cast<QMenu*>(object))
            return menu->title();
        if (auto* action = qobject_cast<QAction*>(object))
            return action->text();
        return qobject_cast<QWidget*>(object)->windowTitle();
    }

    void expectLanguage(bool german)
    {
        for (const auto* table : {&lang::windowTexts(), &lang::trainerTexts(), &lang::listsTexts(),
                                  &lang::menuTexts(), &lang::editorTexts()}) {
            for (const lang::Text& text : *table) {
                const std::string& want = german ? text.german : text.english;
                EXPECT_EQ(shown(text).toStdString(), want) << text.object;
            }
        }
        EXPECT_EQ(find<QLabel>("aktuelleliste")->text().startsWith(QStringLiteral("Beispielfragen")), german);
        EXPECT_EQ(find<QAction>("sp1")->isChecked(), german);
        EXPECT_EQ(find<QAction>("sp2")->isChecked(), !german);
        EXPECT_EQ(find<QMenu>("m_soft_de")->menuAction()->isVisible(), german);
        EXPECT_EQ(find<QMenu>("m_soft_en")->menuAction()->isVisible(), !german);
        EXPECT_EQ(blatt()->currentWidget()->objectName(), QStringLiteral("tb1"));
    }

    bool tabVisible(const char* page) { return blatt()->isPageVisible(find(page)); }
};

TEST_F(LanguageTest, RoundTripMatchesTheTables)
{
    expectLanguage(false);
    trigger("sp1");
    expectLanguage(true);
    trigger("sp2");
    expectLanguage(false);
    // Choosing the language in force applies it all again.
    memo("Memo1")->setPlainText(QStringLiteral("loaded"));
    trigger("sp2");
    expectLanguage(false);
    EXPECT_EQ(start().language(), QStringLiteral("en"));
}

TEST_F(LanguageTest, OpenInformationPagesChangeSides)
{
    trigger("f8");  // English licence
    trigger("i3");  // English donation
    click("Button14");  // the English introduction closed by the user
    trigger("sp1");
    EXPECT_TRUE(tabVisible("tbl"));
    EXPECT_TRUE(tabVisible("tbs"));
    EXPECT_TRUE(tabVisible("tb5"));
    EXPECT_FALSE(tabVisible("tblen"));
    EXPECT_FALSE(tabVisible("tbsen"));
    EXPECT_FALSE(tabVisible("tb5en"));
    EXPECT_FALSE(tabVisible("tbe"));
    EXPECT_EQ(blatt()->currentWidget()->objectName(), QStringLiteral("tb1"));

    trigger("sp2");
    EXPECT_TRUE(tabVisible("tblen"));
    EXPECT_FALSE(tabVisible("tbl"));
}

TEST_F(LanguageTest, SwitchKeepsTheLogAndTheEditorOutput)
{
    click("Button1");
    memo("m2")->setPlainText(QStringLiteral("kept"));
    const QString log = text("Memo3");
    trigger("sp1");
    EXPECT_EQ(text("Memo3"), log);
    EXPECT_EQ(text("m2"), QStringLiteral("kept"));
    EXPECT_EQ(text("m1"), QStringLiteral("Beispielfrage Eins - Beispielantwort Zwei\nElement Eins - Element Zwei"));
    EXPECT_EQ(applicationTitle(), QStringLiteral("Drillbook - Jorin Malke Studio"));
}

}  // namespace
}  // namespace lernwerk::testing
