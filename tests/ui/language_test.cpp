#include "program_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QMenu>
#include <QTabWidget>

#include "widgets/page_control.h"

namespace lernwerk::testing {
namespace {

// Where a text shows on the named control.
enum class Slot { Caption, Tab, Panel0, Panel1, Panel2, Lines };

// One text as the window must show it in each language.
struct Shown {
    const char* object;
    Slot slot;
    std::string german;
    std::string english;
};

class LanguageTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
    }

    PageControl* pageControl() { return find<PageControl>("blatt"); }

    // What the window shows for one table entry.
    QString shown(const Shown& text)
    {
        const QString name = QString::fromLatin1(text.object);
        QObject* object = name == mainWindow().objectName() ? &mainWindow() : mainWindow().findChild<QObject*>(name);
        if (!object)
            return QStringLiteral("<missing %1>").arg(name);
        switch (text.slot) {
            case Slot::Tab:
                return pageControl()->tabText(pageControl()->indexOf(qobject_cast<QWidget*>(object)));
            case Slot::Panel0:
                return panel(0);
            case Slot::Panel1:
                return panel(1);
            case Slot::Panel2:
                return panel(2);
            case Slot::Lines:
                return qobject_cast<QPlainTextEdit*>(object)->toPlainText();
            case Slot::Caption:
                break;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            return button->text();
        if (auto* label = qobject_cast<QLabel*>(object))
            return label->text();
        if (auto* group = qobject_cast<QGroupBox*>(object))
            return group->title();
        if (auto* menu = qobject_cast<QMenu*>(object))
            return menu->title().remove(QLatin1Char('&'));  // the access key marker
        if (auto* action = qobject_cast<QAction*>(object))
            return action->text();
        return qobject_cast<QWidget*>(object)->windowTitle();
    }

    void expectLanguage(bool german)
    {
        // Texts as they must read, a few from each table, so that a slip in a table shows.
        static const Shown kExpected[] = {
            {"prog", Slot::Caption, "Lernwerk - Jorin Malke Studio", "Drillbook - Jorin Malke Studio"},
            {"anzeige", Slot::Panel0, "Herzlich Willkommen", "Welcome"},
            {"anzeige", Slot::Panel2, "malke-studio.de/spenden - Vielen Dank!", "malke-studio.com/donate - Thank you!"},
            {"tb1", Slot::Tab, "Lernwerk", "Drillbook"},
            {"bt_clock", Slot::Caption, "Zurückstellen", "Clock"},
            {"Label12", Slot::Caption, "Lösung", "Solution"},
            {"frage", Slot::Lines,
             "Frage\n> Erste Schritte:\n> Programm > Neue Fragerunde, um zu starten.\n"
             "> Fragen ändern unter Fragenkatalog.\n> Mehr in der Einführung.\n> Viel Spaß!",
             "Question\n> First Setps:\n> File > New Question Session, to Start.\n"
             "> Questionnaire for other Questions.\n> More in the Introduction.\n> Have Fun!"},
            {"tb3", Slot::Tab, "Fragelisten", "Questionnaire"},
            {"Label7", Slot::Caption, "Aktuelle Liste:", "Actual List:"},
            {"Button2", Slot::Caption, "Liste Laden..", "Load List.."},
            {"aktuelleliste", Slot::Caption, "Beispielfragen (\"Liste laden\" läd andere Fragelisten)",
             "Examples (\"Load List\" for other Questionnaires)"},
            {"p0", Slot::Caption, "Programm", "File"},
            {"f7", Slot::Caption, "Wieso spenen?", "Why Donate?"},
            {"Schrift1", Slot::Caption, "Schrift ändern..", "Set Font.."},
            {"i0", Slot::Caption, "Hilfe und Info", "Help and Information"},
            {"i3", Slot::Caption, "Wieso Spenden?", "Why Donate?"},
            {"i8", Slot::Caption, "malke-studio.de/spenden - Falls Ihnen diese Software gefällt",
             "malke-studio.com/donate - If you like this Application"},
            {"m_bug_i", Slot::Caption, "Fehler oder Verbesserung melden..", "Report Bug or Improvement.."},
            {"StaticText6", Slot::Caption,
             "Der Editor erstellt aus Sätzen der Form \"Teil 1 - Teil 2\" Fragenlisten für den Lernwerk.",
             "The Editor creates Questionnaires for the Drillbook from sentences like \"Question - Answer\""},
            {"cbt2", Slot::Caption, "Frage nach dem Satzteil nach dem Bindestrich",
             "Ask for the Part after the Hyphen"},
            {"Button12", Slot::Caption, "Editor Schließen", "Close Editor"},
            {"m1", Slot::Lines, "Beispielfrage Eins - Beispielantwort Zwei\nElement Eins - Element Zwei",
             "Question One - Answer One\nElement One - Element Two"},
        };
        for (const Shown& text : kExpected)
            EXPECT_EQ(shown(text).toStdString(), german ? text.german : text.english) << text.object;
        const QStringList sample = text("Memo1").split(QLatin1Char('\n'));
        ASSERT_EQ(sample.size(), 4);
        EXPECT_EQ(sample[0], german ? QStringLiteral("Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.")
                                    : QStringLiteral("_Blue_, _Yellow_ and _Red_ are the three Primary Colors."));
        EXPECT_EQ(sample[3], german ? QStringLiteral("Der Dreißigjährige Krieg dauerte von _1618_ bis _1648_.")
                                    : QStringLiteral("The Thirty Years' War lasted from _1618_ to _1648_."));
        EXPECT_EQ(find<QLabel>("aktuelleliste")->text().startsWith(QStringLiteral("Beispielfragen")), german);
        EXPECT_EQ(find<QAction>("sp1")->isChecked(), german);
        EXPECT_EQ(find<QAction>("sp2")->isChecked(), !german);
        EXPECT_EQ(find<QMenu>("m_soft_de")->menuAction()->isVisible(), german);
        EXPECT_EQ(find<QMenu>("m_soft_en")->menuAction()->isVisible(), !german);
        EXPECT_EQ(pageControl()->currentWidget()->objectName(), QStringLiteral("tb1"));
    }

    bool tabVisible(const char* page) { return pageControl()->isPageVisible(find(page)); }
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
    EXPECT_EQ(startScreen().language(), QStringLiteral("en"));
}

TEST_F(LanguageTest, OpenInformationPagesChangeSides)
{
    buildInfoPages();
    trigger("f8");      // English licence
    trigger("i3");      // English donation
    click("Button14");  // the English introduction closed by the user
    trigger("sp1");
    EXPECT_TRUE(tabVisible("tbl"));
    EXPECT_TRUE(tabVisible("tbs"));
    EXPECT_TRUE(tabVisible("tb5"));
    EXPECT_FALSE(tabVisible("tblen"));
    EXPECT_FALSE(tabVisible("tbsen"));
    EXPECT_FALSE(tabVisible("tb5en"));
    EXPECT_FALSE(tabVisible("tbe"));
    EXPECT_EQ(pageControl()->currentWidget()->objectName(), QStringLiteral("tb1"));

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
    // The round ended with the switch, and says so; nothing before went.
    EXPECT_TRUE(text("Memo3").startsWith(log));
    EXPECT_EQ(text("m2"), QStringLiteral("kept"));
    EXPECT_EQ(text("m1"), QStringLiteral("Beispielfrage Eins - Beispielantwort Zwei\nElement Eins - Element Zwei"));
    EXPECT_EQ(errorReporter().title(), QStringLiteral("Drillbook - Jorin Malke Studio"));
}

}  // namespace
}  // namespace lernwerk::testing
