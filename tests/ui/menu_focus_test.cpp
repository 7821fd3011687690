// The keyboard around the menu bar, and what the menus and the round's keys
// say.

#include "program_fixture.h"

#include <QAccessible>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

#include "desktop/speaker.h"

namespace lernwerk::testing {
namespace {

class MenuFocusTest : public SpokenProgramTest {
protected:
    // A key as the user presses it: to the open menu, or where the focus is.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget() ? QApplication::focusWidget() : &mainWindow();
        QKeyEvent down(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(target, &up);
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents(nullptr, 0);
    }

    // Opens a menu of the bar as Alt and its letter do.
    void open(const char* menu)
    {
        mainWindow().menuBar()->setActiveAction(find<QMenu>(menu)->menuAction());
        settle();
    }

    void startRound()
    {
        memo("Memo1")->setPlainText(QStringLiteral("Eins _zwei_ drei"));
        press(Qt::Key_N, Qt::ControlModifier);
        ASSERT_EQ(QApplication::focusWidget(), memo("antwort"));
    }
};

// However the last menu closes, the keys are back in the answer field, and
// the bar is neither active nor holding the focus.
TEST_F(MenuFocusTest, TheKeysComeBackWhereTheyWere)
{
    startRound();
    const struct {
        const char* name;
        std::function<void()> keys;
    } ways[] = {
        {"F10, Escape", [this] { press(Qt::Key_F10), press(Qt::Key_Escape); }},
        {"a menu, Escape", [this] { open("Einstellungen1"), press(Qt::Key_Escape); }},
        {"F10, Right, Escape", [this] { press(Qt::Key_F10), press(Qt::Key_Right), press(Qt::Key_Escape); }},
        {"a menu, Escape, a menu, an entry",
         [this] {
             open("p0"), press(Qt::Key_Escape), open("Einstellungen1"), press(Qt::Key_Up), press(Qt::Key_Return);
         }},
        {"a submenu, Escape twice",
         [this] {
             open("Einstellungen1");
             find<QMenu>("Einstellungen1")->setActiveAction(find<QMenu>("Sprache1")->menuAction());
             press(Qt::Key_Right), press(Qt::Key_Escape), press(Qt::Key_Escape);
         }},
    };
    for (const auto& way : ways) {
        find<QTabWidget>("blatt")->setCurrentWidget(find("tb1"));
        memo("antwort")->setFocus();
        settle();
        way.keys();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << way.name;
        EXPECT_EQ(QApplication::focusWidget(), memo("antwort")) << way.name;
        EXPECT_EQ(mainWindow().menuBar()->activeAction(), nullptr) << way.name;
        EXPECT_FALSE(mainWindow().menuBar()->hasFocus()) << way.name;
    }
}

// A menu opens on its first entry, whichever way it was reached.
TEST_F(MenuFocusTest, AMenuOpensOnItsFirstEntry)
{
    press(Qt::Key_F10);
    EXPECT_EQ(find<QMenu>("p0")->activeAction(), find<QAction>("p1"));
    press(Qt::Key_Right);
    EXPECT_EQ(find<QMenu>("f0")->activeAction(), find<QAction>("f1"));
    press(Qt::Key_Escape);
}

// A submenu that opens is on its first entry and named by its entry in the
// menu, in the interface language.
TEST_F(MenuFocusTest, ASubmenuIsNamedAndOpensOnItsFirstEntry)
{
    mainWindow().show();
    for (const auto& [choice, name] : {std::pair{"sp2", "Language"}, std::pair{"sp1", "Sprache"}}) {
        trigger(choice);
        open("Einstellungen1");
        auto* submenu = find<QMenu>("Sprache1");
        // Opens the submenu as the Right arrow does.
        find<QMenu>("Einstellungen1")->setActiveAction(submenu->menuAction());
        settle();
        EXPECT_TRUE(submenu->isVisible()) << name;
        EXPECT_EQ(submenu->activeAction(), find<QAction>("sp1")) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(submenu)->text(QAccessible::Name), QLatin1String(name));
        press(Qt::Key_Escape), press(Qt::Key_Escape);
    }
}

// Tab where the page holds nothing to reach says how to start; a switch
// says what it switched, a language choice what it did to the list,
// a round key pressed where no round runs why nothing happened; each in the
// interface language, once.
TEST_F(MenuFocusTest, ActionsSayWhatTheyDid)
{
    const struct {
        std::function<void()> action;
        const char* said;
    } actions[] = {
        {[this] {
             open("Einstellungen1"), find<QMenu>("Einstellungen1")->setActiveAction(find<QAction>("Vergleich1")),
                 press(Qt::Key_Return);
         },
         "Antwort mit Lösung vergleichen aus"},
        {[this] { trigger("Vergleich1"); }, "Antwort mit Lösung vergleichen an"},
        {[this] { press(Qt::Key_Return, Qt::ControlModifier); },
         "Strg+Return: Keine Fragerunde läuft. Programm > Neue Fragerunde (Strg+N) startet eine."},
        {[this] { trigger("sp2"); }, "English chosen. The question list is now the sample list."},
        {[this] { trigger("f3"), press(Qt::Key_1, Qt::ControlModifier); },
         "Ctrl+1: No question session is running. File > New Question Session (Ctrl+N) starts one."},
        {[this] { trigger("sp1"); }, "Deutsch ausgewählt. Die Fragenliste ist jetzt die Beispielliste."},
    };
    for (const auto& action : actions) {
        spoken.clear();
        action.action();
        settle();
        EXPECT_EQ(spoken, QStringList{QString::fromUtf8(action.said)});
    }
    EXPECT_TRUE(find<QAction>("Vergleich1")->isChecked());
}

}  // namespace
}  // namespace lernwerk::testing

namespace lernwerk::testing {
namespace {

// The colour dialog names each basic colour the arrow keys reach.
TEST_F(MenuFocusTest, TheBasicColoursAreNamedAsTheyAreWalked)
{
    QStringList named;
    whenModal([&named](QWidget* dialog) {
        QObject::connect(dialog->findChild<Speaker*>(), &Speaker::spoken,
                         [&named](const QString& said, QWidget*) { named << said; });
        QWidget* wells = nullptr;
        for (QWidget* child : dialog->findChildren<QWidget*>()) {
            if (!wells && qstrcmp(child->metaObject()->className(), "QWellArray") == 0)
                wells = child;
        }
        ASSERT_NE(wells, nullptr);
        QApplication::setActiveWindow(dialog);
        wells->setFocus();
        for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(wells, &press);
        }
        static_cast<QDialog*>(dialog)->reject();
    });
    trigger("hf");
    // The last three: the well may name the colour it is on as it takes the focus.
    ASSERT_GE(named.size(), 3) << named.join(u'|').toStdString();
    EXPECT_EQ(named.mid(named.size() - 3),
              (QStringList{QStringLiteral("Rot, #AA0000"), QStringLiteral("Magenta, #AA007F"),
                           QStringLiteral("Dunkelblau, #00007F")}));
}

}  // namespace
}  // namespace lernwerk::testing
