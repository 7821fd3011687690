// The program on the desktop: driven by keyboard alone, spoken by a screen
// reader, with the standard dialogs in the interface language.
#include "program_fixture.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabWidget>

#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"

namespace lernwerk::testing {
namespace {

class DesktopTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
        startScreen().show();
        startScreen().handOverNow();
        mainWindow().activateWindow();
        QApplication::processEvents();
    }

    // A key pressed as the user does, where the keyboard focus is.
    void press(QKeyCombination keys)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &mainWindow();
        QKeyEvent down(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
        QApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, keys.key(), keys.keyboardModifiers());
        QApplication::sendEvent(target, &up);
    }

    QString accessibleName(QObject* object)
    {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
    }

    void useLanguage(bool german) { trigger(german ? "sp1" : "sp2"); }
};

TEST_F(DesktopTest, AWholeRoundByKeyboard)
{
    memo("Memo1")->setPlainText(QStringLiteral("Hund - _dog_\nKatze - _cat_"));
    press(Qt::CTRL | Qt::Key_N);
    ASSERT_EQ(mainWindow().roundState().tallies.questions, 2);
    // The cursor waits in the answer field.
    EXPECT_EQ(QApplication::focusWidget(), memo("antwort"));

    press(Qt::CTRL | Qt::Key_Return);
    EXPECT_FALSE(text("loesung").isEmpty());
    press(Qt::CTRL | Qt::Key_2);
    press(Qt::CTRL | Qt::Key_3);
    EXPECT_EQ(mainWindow().roundState().tallies.wrong, 1);
    EXPECT_EQ(mainWindow().roundState().tallies.clocked, 1);
    for (int step = 0; step < 2; ++step)
        press(Qt::CTRL | Qt::Key_1);
    EXPECT_EQ(mainWindow().roundState().tallies.correct, 2);
    EXPECT_EQ(panel(0), QStringLiteral("Ready!"));
    // With the round over the keys press nothing.
    press(Qt::CTRL | Qt::Key_1);
    EXPECT_EQ(mainWindow().roundState().tallies.trials, 4);

    press(Qt::Key_F1);
    EXPECT_EQ(find<QTabWidget>("blatt")->currentWidget()->objectName(), QStringLiteral("tb5en"));
    press(Qt::Key_F10);
    EXPECT_EQ(mainWindow().menuBar()->activeAction(), find<QMenu>("p0")->menuAction());
    mainWindow().menuBar()->setActiveAction(nullptr);

    bool asked = false;
    whenModal([&asked](QWidget* dialog) {
        asked = qobject_cast<QFileDialog*>(dialog) != nullptr;
        qobject_cast<QDialog*>(dialog)->reject();
    });
    press(Qt::CTRL | Qt::Key_O);
    EXPECT_TRUE(asked);
    mainWindow().activateWindow();
    QApplication::processEvents();

    whenModal([](QWidget* dialog) {
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    press(Qt::CTRL | Qt::Key_Q);
    EXPECT_TRUE(program->ended());
}

TEST_F(DesktopTest, ShortcutsShowBesideEntriesAndInToolTips)
{
    const struct {
        const char* action;
        const char* keys;
        const char* caption;
    } entries[] = {{"p1", "Ctrl+N", "New Question Session"}, {"p3", "Ctrl+Q", "Close"}, {"i1", "F1", "Introduction"}};
    for (const auto& entry : entries) {
        EXPECT_EQ(find<QAction>(entry.action)->shortcut().toString(), QLatin1String(entry.keys)) << entry.action;
        EXPECT_EQ(find<QAction>(entry.action)->text(), QLatin1String(entry.caption)) << entry.action;
    }
    const struct {
        const char* button;
        const char* caption;
        const char* tip;
    } buttons[] = {{"bt_solve", "Solve", "Solve (Ctrl+Return)"},  {"bt_hint", "Hint", "Hint (Ctrl+H)"},
                   {"bt_correct", "Correct", "Correct (Ctrl+1)"}, {"bt_wrong", "Wrong", "Wrong (Ctrl+2)"},
                   {"bt_clock", "Clock", "Clock (Ctrl+3)"},       {"Button2", "Load List..", "Load List.. (Ctrl+O)"}};
    for (const auto& button : buttons) {
        EXPECT_EQ(find<QPushButton>(button.button)->text(), QLatin1String(button.caption));
        EXPECT_EQ(find<QPushButton>(button.button)->toolTip(), QLatin1String(button.tip));
    }
}

TEST_F(DesktopTest, AccessibleNamesFollowTheLanguage)
{
    const struct {
        const char* control;
        const char* german;
        const char* english;
    } names[] = {
        {"frage", "Frage", "Question"},
        {"antwort", "Antwort", "Answer"},
        {"loesung", "Lösung", "Solution"},
        {"Memo1", "Fragenliste", "Question list"},
        {"Memo2", "Status der Fragen", "Status of the questions"},
        {"Memo3", "Statistik", "Statistics"},
        {"m1", "Input", "Input"},
        {"m2", "Output", "Output"},
        {"bt_correct", "Richtig", "Correct"},
        {"cbt1", "Frage nach dem Satzteil vor dem Bindestrich", "Ask for the Part before the Hyphen"},
        {"anzeige", "Stand der Runde", "Progress of the round"},
    };
    for (bool german : {true, false}) {
        useLanguage(german);
        for (const auto& name : names)
            EXPECT_EQ(accessibleName(find(name.control)), QString::fromUtf8(german ? name.german : name.english))
                << name.control;
        // No control is spoken by its internal name.
        QList<QWidget*> everything = mainWindow().findChildren<QWidget*>();
        everything << &program->closingDialog() << &program->germanReport() << &program->englishReport()
                   << &startScreen();
        for (QWidget* widget : everything) {
            if (widget->objectName().isEmpty())
                continue;
            EXPECT_NE(accessibleName(widget), widget->objectName()) << widget->objectName().toStdString();
        }
    }
    QWidget* picture = startScreen().findChild<QWidget*>(QStringLiteral("Image1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Button);
    EXPECT_EQ(accessibleName(picture), QStringLiteral("Continue to the program"));
}

TEST_F(DesktopTest, StatusBarPanelsAreTextsOfTheirOwn)
{
    memo("Memo1")->setPlainText(QStringLiteral("a _1_\nb _2_"));
    click("Button1");
    click("bt_correct");
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(find("anzeige"));
    ASSERT_EQ(bar->childCount(), 3);
    const QString expected[] = {QStringLiteral("Question Session..."),
                                QStringLiteral("1/2 Correct - 1 Trials - 0 Wrong - 0 Clocked"),
                                QStringLiteral("malke-studio.com/donate - Thank you!")};
    for (int panel = 0; panel < 3; ++panel) {
        QAccessibleInterface* shown = bar->child(panel);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->role(), QAccessible::StaticText);
        EXPECT_EQ(shown->text(QAccessible::Name), expected[panel]);
        EXPECT_EQ(bar->indexOfChild(shown), panel);
        EXPECT_EQ(shown->parent(), bar);
    }
}

TEST_F(DesktopTest, StandardDialogsSpeakTheInterfaceLanguage)
{
    for (bool german : {true, false, true}) {
        useLanguage(german);
        QString cancel;
        whenModal([&cancel](QWidget* dialog) {
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            ASSERT_NE(buttons, nullptr);
            cancel = buttons->button(QDialogButtonBox::Cancel)->text();
            qobject_cast<QDialog*>(dialog)->reject();
        });
        click("Button2");
        EXPECT_EQ(cancel.remove(QLatin1Char('&')), german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
    }
}

}  // namespace
}  // namespace lernwerk::testing
