#include "program_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "widgets/memo_lists.h"

namespace lernwerk::testing {
namespace {

class RoundWindowTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        writeFile(workingDir.filePath(QStringLiteral("de")), "");
        startProgram();
    }

    QStringList logLines() { return text("Memo3").split(QLatin1Char('\n')); }
    bool trainerEnabled() { return find<QPushButton>("bt_correct")->isEnabled(); }
};

TEST_F(RoundWindowTest, StartsIdleWithTheSampleList)
{
    EXPECT_EQ(memo("Memo1")->document()->blockCount(), 4);
    EXPECT_EQ(text("Memo2"), QStringLiteral("0"));
    for (const char* name : {"bt_correct", "bt_wrong", "bt_clock", "bt_solve"})
        EXPECT_FALSE(find<QPushButton>(name)->isEnabled()) << name;
    for (const char* name : {"frage", "antwort", "loesung"})
        EXPECT_FALSE(memo(name)->isEnabled()) << name;
    EXPECT_TRUE(text("frage").startsWith(QStringLiteral("Frage\n> Erste Schritte:")));
    EXPECT_EQ(panel(0), QStringLiteral("Herzlich Willkommen"));
    EXPECT_EQ(panel(1), QStringLiteral("Status"));
    EXPECT_TRUE(text("Memo3").isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

// The round's rules are tested on the engine; this one round through the
// window checks the wiring: buttons, fields, status bar and log.
TEST_F(RoundWindowTest, OneQuestionWrongThenCorrect)
{
    memo("Memo1")->setPlainText(QStringLiteral("Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.\n\n"));
    click("Button1");
    EXPECT_EQ(text("Memo1"), QStringLiteral("Blau, _Gelb_ und _Rot_ sind die drei Grundfarben."));
    EXPECT_EQ(text("Memo2"), QStringLiteral("0"));
    EXPECT_EQ(find<QTabWidget>("blatt")->currentWidget()->objectName(), QStringLiteral("tb1"));
    EXPECT_EQ(panel(0), QStringLiteral("Fragerunde..."));
    EXPECT_EQ(panel(1), QStringLiteral("0/1 Richtig - 0 Trials - 0 Falsch - 0 Zurückgestellt"));
    EXPECT_EQ(text("frage"), QStringLiteral("Blau, _____ und _____ sind die drei Grundfarben."));
    EXPECT_TRUE(trainerEnabled());

    click("bt_solve");
    EXPECT_EQ(text("loesung"), QStringLiteral("Blau, _Gelb_ und _Rot_ sind die drei Grundfarben."));
    click("bt_wrong");
    EXPECT_TRUE(text("loesung").isEmpty());
    click("bt_correct");

    const QString result = QStringLiteral("1/1 Richtig - 2 Trials - 1 Falsch - 0 Zurückgestellt");
    EXPECT_EQ(panel(0), QStringLiteral("Fertig!"));
    EXPECT_EQ(panel(1), result);
    EXPECT_EQ(text("Memo2"), QStringLiteral("X"));
    EXPECT_FALSE(trainerEnabled());
    EXPECT_FALSE(memo("frage")->isEnabled());
    EXPECT_TRUE(text("frage").isEmpty());

    const QStringList log = logLines();
    ASSERT_EQ(log.size(), 7);
    EXPECT_EQ(log[0], QStringLiteral("Neustart..."));
    EXPECT_TRUE(log[1].startsWith(QStringLiteral("Start: ")));
    EXPECT_EQ(log[2], QStringLiteral("Ausgewählte Liste: Beispielfragen (\"Liste laden\" läd andere Fragelisten)"));
    EXPECT_TRUE(log[3].startsWith(QStringLiteral("Ende: ")));
    EXPECT_EQ(log[4], QStringLiteral("Fragerunde mit folgendem Ergebnis beendet:"));
    EXPECT_EQ(log[5], result);
    EXPECT_EQ(log[6], QStringLiteral(" "));
}

TEST_F(RoundWindowTest, LogTimesFollowTheLocale)
{
    click("Button1");
    const QString stamp = logLines()[1].mid(7);
    // Date and time joined by one blank, with seconds and no time zone.
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_TRUE(stamp.startsWith(date + QLatin1Char(' '))) << stamp.toStdString();
    EXPECT_EQ(stamp.count(QLatin1Char(':')), 2) << stamp.toStdString();
}

TEST_F(RoundWindowTest, EnterPressesCorrectOutsideTextFields)
{
    memo("Memo1")->setPlainText(QStringLiteral("one\ntwo"));
    click("Button1");
    mainWindow().show();
    auto* correct = find<QPushButton>("bt_correct");
    QWidget* tabBar = find<QTabWidget>("blatt")->tabBar();
    tabBar->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(tabBar, &enter);
    EXPECT_EQ(text("Memo2").count(QLatin1Char('X')), 1);

    // In a multi-line field Enter is a line break.
    memo("antwort")->setFocus();
    QKeyEvent inField(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(memo("antwort"), &inField);
    EXPECT_EQ(text("Memo2").count(QLatin1Char('X')), 1);
    EXPECT_TRUE(correct->isEnabled());
}

TEST_F(RoundWindowTest, StatusTallyFollowsTyping)
{
    auto* status = memo("Memo2");
    MemoStatusList list(*status);
    const auto rescanned = [&] {
        int open = 0;
        int correct = 0;
        for (const QString& entry : status->toPlainText().split(QLatin1Char('\n'))) {
            open += entry == QStringLiteral("0");
            correct += entry == QStringLiteral("X");
        }
        return std::pair(open, correct);
    };
    const auto check = [&](const char* step) {
        EXPECT_EQ(std::pair(list.tally().open_count(), list.tally().correct_count()), rescanned()) << step;
        EXPECT_EQ(list.tally().size(), status->document()->blockCount()) << step;
    };

    list.reset(5);
    check("reset");
    list.mark_correct(2);
    check("mark");
    QTextCursor cursor(status->document()->findBlockByNumber(1));
    cursor.insertText(QStringLiteral("X\n0\n"));  // paste two lines into a line
    check("paste");
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 3);
    cursor.removeSelectedText();  // delete three lines
    check("delete");
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nX\nX"));
    check("append");
    status->undo();
    check("undo");
    status->clear();
    check("clear");
    EXPECT_EQ(list.tally().open_count(), 0);
}

TEST_F(RoundWindowTest, LanguageSwitchDuringARound)
{
    memo("Memo1")->setPlainText(QStringLiteral("q0\nq1"));
    click("Button1");
    trigger("sp2");
    // The sample list takes the list's place: the round over it ends rather than go on out of sight.
    EXPECT_FALSE(trainerEnabled());
    EXPECT_TRUE(text("frage").startsWith(QStringLiteral("Question\n")));
    EXPECT_EQ(panel(1), QStringLiteral("Status"));
    EXPECT_EQ(logLines()[0], QStringLiteral("Neustart..."));
    EXPECT_TRUE(logLines().contains(QStringLiteral("Fragerunde mit folgendem Ergebnis beendet:")));
}

TEST_F(RoundWindowTest, LoadedListShorterThanTheRound)
{
    memo("Memo1")->setPlainText(QStringLiteral("q0\nq1\nq2"));
    click("Button1");
    memo("Memo1")->setPlainText(QStringLiteral("only _one_"));
    for (int i = 0; i < 15 && trainerEnabled(); ++i) {
        click("bt_wrong");
        click("bt_solve");
        const int index = mainWindow().roundState().cur_index;
        EXPECT_EQ(text("frage"), index == 0 ? QStringLiteral("only _____") : QString());
        EXPECT_EQ(text("loesung"), index == 0 ? QStringLiteral("only _one_") : QString());
    }
}

// A run without a space, too long for any row, wraps anywhere (word wrapping
// would search it for a break again on every row: minutes for a megabyte);
// lines with spaces keep breaking between words. The text stays the line.
TEST_F(RoundWindowTest, LongRunsWrapAnywhereWordsAtTheirBoundaries)
{
    const QString run = QStringLiteral("Abcdefghij").repeated(10'000);
    const QString words = QStringLiteral("Ein Satz mit Wörtern, der über viele Zeilen geht. ").repeated(40);
    const struct {
        const char* name;
        QString line;
        QString question;
        bool anywhere;
    } cases[] = {
        {"a long run with a gap", run + QStringLiteral(" _Ende_"), run + QStringLiteral(" _____"), true},
        {"words with a gap", words + QStringLiteral("_Ende_"), words + QStringLiteral("_____"), false},
        {"a long run inside the gap", QStringLiteral("Das Wort ist _") + run + QLatin1Char('_'),
         QStringLiteral("Das Wort ist _____"), true},
    };
    mainWindow().show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        memo("Memo1")->setPlainText(c.line);
        click("Button1");
        click("bt_solve");
        EXPECT_TRUE(text("frage") == c.question);  // (a mismatch would print 100 000 characters)
        EXPECT_TRUE(text("loesung") == c.line);
        EXPECT_EQ(memo("loesung")->wordWrapMode(),
                  c.anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
        if (c.anywhere)
            continue;
        // Every row of the solution starts a word.
        QTextBlock block = memo("loesung")->document()->firstBlock();
        memo("loesung")->document()->documentLayout()->blockBoundingRect(block);
        ASSERT_GT(block.layout()->lineCount(), 1);
        for (int row = 1; row < block.layout()->lineCount(); ++row) {
            const int start = block.layout()->lineAt(row).textStart();
            EXPECT_TRUE(c.line[start - 1].isSpace()) << "row " << row;
        }
    }

    // An answer typed or pasted with such a run wraps anywhere too.
    QPlainTextEdit* answer = memo("antwort");
    answer->setPlainText(QStringLiteral("kurz"));
    EXPECT_EQ(answer->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    answer->moveCursor(QTextCursor::End);
    answer->insertPlainText(run);
    EXPECT_EQ(answer->wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(answer->toPlainText(), QStringLiteral("kurz") + run);
}

}  // namespace
}  // namespace lernwerk::testing
