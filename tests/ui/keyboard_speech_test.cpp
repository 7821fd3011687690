#include "program_fixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QToolButton>

#include "desktop/speaker.h"
#include "dialogs/color_dialog.h"
#include "dialogs/font_dialog.h"
#include "widgets/click_label.h"
#include "widgets/page_control.h"

namespace lernwerk::testing {
namespace {

class KeyboardSpeechTest : public SpokenProgramTest {
protected:
    void press(QWidget* receiver, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(receiver, &press);
    }
};

// What a screen reader is handed after each step of a round: one text a step,
// the question with each gap said as a word, the solution with each gap's text, the result line with the next question,
// the end with the last result line and the next review; then the focus waits on "Neue Runde..".
TEST_F(KeyboardSpeechTest, EachStepOfARoundIsSpokenOnce)
{
    memo("Memo1")->setPlainText(QStringLiteral("Eins _zwei_ drei"));
    const struct {
        const char* button;
        const char* answer;  // typed before the button is pressed
        const char* said;
    } steps[] = {
        {"Button1", "", "Eins Lücke drei"},
        {"bt_solve", "", "Eins zwei drei"},
        {"bt_wrong", "", "0/1 Richtig - 1 Trials - 1 Falsch - 0 Zurückgestellt. Eins Lücke drei"},
        // A typed answer: its summary follows the solution in the same message.
        {"bt_solve", "Zwei", "Eins zwei drei. 0 von 1 Lücke wie eingegeben, 1 beinahe"},
        {"bt_clock", "", "0/1 Richtig - 2 Trials - 1 Falsch - 1 Zurückgestellt. Eins Lücke drei"},
        // Then when the next reviews fall due: the question missed comes back tomorrow.
        {"bt_correct", "",
         "Fertig! 1/1 Richtig - 3 Trials - 1 Falsch - 1 Zurückgestellt. Nächste Wiederholung: morgen, 1 Frage."},
    };
    for (const auto& step : steps) {
        spoken.clear();
        memo("antwort")->setPlainText(QString::fromUtf8(step.answer));
        click(step.button);
        EXPECT_EQ(spoken, QStringList{QString::fromUtf8(step.said)}) << step.button;
    }
    EXPECT_EQ(QApplication::focusWidget(), find("Button1"));
    EXPECT_EQ(find<QTabWidget>("blatt")->currentWidget(), find("tb3"));
}

// Tab walks on from every multi-line field; a tab character still comes in.
// The switch replaces the list by the sample list: never under a round that goes on. With
// something marked it asks first; the round ends, and the switch says so.
TEST_F(KeyboardSpeechTest, ALanguageSwitchEndsTheRoundItWouldHide)
{
    const struct {
        const char* name;
        bool marked;
        QMessageBox::StandardButton answer;  // NoButton: nothing is asked
        bool switched;
    } cases[] = {
        {"nothing marked", false, QMessageBox::NoButton, true},
        {"marked, kept", true, QMessageBox::No, false},
        {"marked, ended", true, QMessageBox::Yes, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        trigger("sp1");
        click("Button1");
        if (c.marked)
            click("bt_wrong");
        const QString question = text("frage");
        QString asked;
        if (c.answer != QMessageBox::NoButton)
            whenModal([&asked, answer = c.answer](QWidget* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                ASSERT_NE(box, nullptr);
                asked = box->text();
                box->button(answer)->click();
            });
        spoken.clear();
        trigger("sp2");
        // What is said while the focus comes back from the box is said once it is back.
        for (int turn = 0; turn < 100 && c.switched && spoken.isEmpty(); ++turn)
            QApplication::processEvents();
        if (c.answer != QMessageBox::NoButton) {
            EXPECT_TRUE(asked.startsWith(QStringLiteral("Eine Runde läuft (0/4 Richtig - 1 Trials - 1 Falsch")))
                << asked.toStdString();
            EXPECT_TRUE(asked.endsWith(QStringLiteral("Sie beenden und die Sprache wechseln?")));
        }
        EXPECT_EQ(find<QAction>("sp2")->isChecked(), c.switched);
        EXPECT_EQ(find<QPushButton>("bt_correct")->isEnabled(), !c.switched);
        if (c.switched) {
            EXPECT_EQ(mainWindow().windowTitle(), QStringLiteral("Drillbook - Jorin Malke Studio"));
            EXPECT_TRUE(spoken.contains(
                QStringLiteral("English chosen. The round was ended; the question list is now the sample list.")))
                << spoken.join(QLatin1Char('|')).toStdString();
            // The ended round's closing words are said then or not at all, never at the next round.
            spoken.clear();
            click("Button1");
            EXPECT_FALSE(spoken.join(QLatin1Char('|')).contains(QStringLiteral("Fertig!")))
                << spoken.join(QLatin1Char('|')).toStdString();
        } else {
            EXPECT_EQ(text("frage"), question);
        }
    }
}

TEST_F(KeyboardSpeechTest, TabLeavesMultiLineFieldsAndPastedTabsStay)
{
    for (const char* name : {"frage", "antwort", "loesung", "Memo1", "Memo2", "Memo3", "m1", "m2"})
        EXPECT_TRUE(memo(name)->tabChangesFocus()) << name;
    memo("m1")->setPlainText(QString());
    memo("m1")->insertPlainText(QStringLiteral("a\tb"));
    EXPECT_EQ(text("m1"), QStringLiteral("a\tb"));
}

// Ctrl+Tab and its kin pass over hidden tabs; a screen reader sees the
// visible tabs only.
TEST_F(KeyboardSpeechTest, HiddenPagesAreOutOfReach)
{
    auto* pageControl = find<PageControl>("blatt");
    const struct {
        const char* from;
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* to;
    } moves[] = {
        {"tb3", Qt::Key_Tab, Qt::ControlModifier, "tb5"},
        {"tb5", Qt::Key_Tab, Qt::ControlModifier, "tb1"},
        {"tb1", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "tb5"},
        {"tb3", Qt::Key_PageDown, Qt::ControlModifier, "tb5"},
        {"tb5", Qt::Key_PageUp, Qt::ControlModifier, "tb3"},
    };
    for (const auto& move : moves) {
        pageControl->selectPage(find(move.from));
        press(pageControl, move.key, move.modifiers);
        EXPECT_EQ(pageControl->currentWidget()->objectName(), QString::fromLatin1(move.to)) << move.from;
    }
    // The arrow keys on the tab row itself.
    pageControl->selectPage(find("tb3"));
    press(pageControl->tabBar(), Qt::Key_Right);
    EXPECT_EQ(pageControl->currentWidget()->objectName(), QStringLiteral("tb5"));

    // The row's scroll buttons leave the German of the start for English.
    trigger("sp2");
    QCoreApplication::sendPostedEvents();
    QStringList scrollNames;
    for (auto* button : pageControl->tabBar()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        scrollNames << button->accessibleName();
    EXPECT_EQ(scrollNames, (QStringList{QStringLiteral("Scroll Left"), QStringLiteral("Scroll Right")}));
    trigger("sp1");

    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(pageControl->tabBar());
    ASSERT_NE(tabs, nullptr);
    QStringList names;
    for (int i = 0; i < tabs->childCount(); ++i)
        names << tabs->child(i)->text(QAccessible::Name);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Lernwerk"), QStringLiteral("Statistik"),
                                  QStringLiteral("Fragelisten"), QStringLiteral("Einführung")}));
}

// Alt and a letter open each menu of the bar, no letter twice in a language;
// the captions read as before.
TEST_F(KeyboardSpeechTest, MenusHaveAccessKeysInBothLanguages)
{
    const struct {
        const char* menu;
        const char* german;
        const char* english;
    } expected[] = {
        {"p0", "&Programm", "&File"},
        {"f0", "&Fenster", "&Windows"},
        {"Einstellungen1", "&Einstellungen", "&Settings"},
        {"i0", "&Hilfe und Info", "&Help and Information"},
    };
    for (bool german : {true, false}) {
        trigger(german ? "sp1" : "sp2");
        for (const auto& menu : expected)
            EXPECT_EQ(find<QMenu>(menu.menu)->title(), QString::fromUtf8(german ? menu.german : menu.english));
        EXPECT_EQ(find<QMenu>(german ? "m_soft_de" : "m_soft_en")->title(),
                  german ? QStringLiteral("&Software") : QStringLiteral("S&oftware"));
        QStringList keys;
        for (QAction* menu : mainWindow().menuBar()->actions()) {
            if (menu->isVisible())
                keys << QKeySequence::mnemonic(menu->text()).toString();
        }
        keys.removeDuplicates();
        EXPECT_EQ(keys.size(), 5) << keys.join(u' ').toStdString();
    }
}

// Escape in the font dialog cancels all of it; its font list is back the
// next time.
TEST_F(KeyboardSpeechTest, EscapeCancelsTheWholeFontDialog)
{
    bool listShown = false;
    for (int opening = 0; opening < 2; ++opening) {
        whenModal([&](QWidget* dialog) {
            auto* fonts = dialog->findChild<QFontDialog*>();
            ASSERT_NE(fonts, nullptr);
            listShown = fonts->isVisible();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(fonts->findChild<QListView*>(), &escape);
            if (dialog->isVisible())
                static_cast<QDialog*>(dialog)->reject();  // lets the test end; the check below fails
        });
        trigger("Schrift1");
        EXPECT_TRUE(listShown) << opening;
        EXPECT_FALSE(find<FontDialog>("fd")->isVisible()) << opening;
    }
}

// Return in any list or field of the font dialog confirms the whole dialog;
// the chooser inside never takes it for itself.
TEST_F(KeyboardSpeechTest, ReturnConfirmsTheFontDialogFromEveryListAndField)
{
    qsizetype targets = 1;
    for (qsizetype which = 0; which < targets; ++which) {
        bool chooserShown = false;
        int result = -1;
        whenModal([&](QWidget* dialog) {
            auto* fonts = dialog->findChild<QFontDialog*>();
            ASSERT_NE(fonts, nullptr);
            chooserShown = fonts->isVisible();
            QList<QWidget*> fields;
            for (QWidget* field : fonts->findChildren<QWidget*>()) {
                if ((qobject_cast<QAbstractItemView*>(field) || qobject_cast<QLineEdit*>(field)) && field->isVisible())
                    fields << field;
            }
            targets = fields.size();
            ASSERT_LT(which, targets);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(fields[which], &enter);
            result = static_cast<QDialog*>(dialog)->result();
            if (dialog->isVisible())
                static_cast<QDialog*>(dialog)->reject();  // lets the test end; the check below fails
        });
        trigger("Schrift1");
        EXPECT_TRUE(chooserShown) << which;
        EXPECT_EQ(result, QDialog::Accepted) << which;
    }
    EXPECT_GE(targets, 6);  // face, style and size, each a field and a list
}

// A link (a click label) is reached by Tab and pressed with Enter or Space.
TEST(ClickLabelKeys, EnterAndSpacePressALink)
{
    ClickLabel link(QStringLiteral("example.com"));
    EXPECT_EQ(link.focusPolicy(), Qt::StrongFocus);
    int clicks = 0;
    QObject::connect(&link, &ClickLabel::clicked, [&clicks] { ++clicks; });
    const std::pair<int, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier},   {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_A, Qt::NoModifier},      {Qt::Key_Return, Qt::ControlModifier},
    };
    for (const auto& [key, modifiers] : keys) {
        QKeyEvent keyPress(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&link, &keyPress);
    }
    EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace lernwerk::testing
