#include "program_fixture.h"

#include <QMenu>
#include <QTextBlock>

namespace lernwerk::testing {
namespace {

const QString kLine = QStringLiteral("_Blue_, _Yellow_ and _Red_ are the three primary colours.");

class AnswerMarksTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
    }

    // A round on the one line; the answer typed, then "Solve".
    void revealWith(const QString& answer)
    {
        memo("Memo1")->setPlainText(kLine);
        click("Button1");
        memo("antwort")->setPlainText(answer);
        click("bt_solve");
    }

    // Each mark as "first-last:style", positions in the line.
    QStringList marks()
    {
        QStringList found;
        for (const QTextEdit::ExtraSelection& mark : memo("loesung")->extraSelections())
            found << QStringLiteral("%1-%2:%3")
                         .arg(mark.cursor.selectionStart())
                         .arg(mark.cursor.selectionEnd())
                         .arg(mark.format.underlineStyle());
        return found;
    }
};

constexpr int kSolid = QTextCharFormat::SingleUnderline;
constexpr int kWave = QTextCharFormat::WaveUnderline;
constexpr int kDotted = QTextCharFormat::DotLine;

TEST_F(AnswerMarksTest, RevealMarksEachGapAndKeepsTheLine)
{
    const auto mark = [](int first, int last, int style) {
        return QStringLiteral("%1-%2:%3").arg(first).arg(last).arg(style);
    };
    const struct {
        const char* name;
        const char* language;  // the menu entry that sets it
        QString answer;
        QStringList marks;
        QString summary;
    } cases[] = {
        {"one of each",
         "sp2",
         QStringLiteral("blue, Yellow"),
         {mark(0, 6, kWave), mark(8, 16, kSolid), mark(21, 26, kDotted)},
         QStringLiteral("1 of 3 gaps as typed, 1 nearly")},
        {"every gap, in German",
         "sp1",
         QStringLiteral("Red\nYellow\nBlue"),
         {mark(0, 6, kSolid), mark(8, 16, kSolid), mark(21, 26, kSolid)},
         QStringLiteral("3 von 3 Lücken wie eingegeben")},
        {"none",
         "sp2",
         QStringLiteral("green"),
         {mark(0, 6, kDotted), mark(8, 16, kDotted), mark(21, 26, kDotted)},
         QStringLiteral("0 of 3 gaps as typed")},
        {"a blank answer: the line alone", "sp2", QStringLiteral(" \n\t"), {}, QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        trigger(c.language);
        revealWith(c.answer);
        const QString status = text("Memo2");
        const quiz::RoundState before = prog().roundState();

        EXPECT_EQ(text("loesung"), kLine);
        EXPECT_EQ(marks(), c.marks);
        EXPECT_EQ(memo("loesung")->accessibleDescription(), c.summary);
        // The verdict stays the learner's: nothing is marked for them.
        EXPECT_EQ(text("Memo2"), status);
        EXPECT_EQ(prog().roundState().n_trials, before.n_trials);
        EXPECT_EQ(prog().roundState().result_line, before.result_line);
        EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());

        // The next question takes the marks away.
        click("bt_wrong");
        EXPECT_TRUE(marks().isEmpty());
        EXPECT_TRUE(memo("loesung")->accessibleDescription().isEmpty());
    }
}

TEST_F(AnswerMarksTest, TheSettingsEntrySwitchesItForTheRun)
{
    auto* entry = find<QAction>("Vergleich1");
    const QList<QAction*> settings = find<QMenu>("Einstellungen1")->actions();
    ASSERT_GE(settings.size(), 2);
    EXPECT_EQ(settings.last(), entry);
    EXPECT_TRUE(settings[settings.size() - 2]->isSeparator());
    EXPECT_TRUE(entry->isCheckable());
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(entry->text(), QStringLiteral("Compare Answer with Solution"));

    revealWith(QStringLiteral("Blue"));
    EXPECT_EQ(marks().size(), 3);
    entry->trigger();  // off: the marks go, and revealing shows the line alone
    EXPECT_TRUE(marks().isEmpty());
    click("bt_solve");
    EXPECT_EQ(text("loesung"), kLine);
    EXPECT_TRUE(marks().isEmpty());
    EXPECT_TRUE(memo("loesung")->accessibleDescription().isEmpty());

    // A language switch keeps the choice and names it anew.
    trigger("sp1");
    EXPECT_FALSE(entry->isChecked());
    EXPECT_EQ(entry->text(), QStringLiteral("Antwort mit Lösung vergleichen"));
    entry->trigger();
    revealWith(QStringLiteral("Blue"));
    EXPECT_EQ(marks().size(), 3);
}

}  // namespace
}  // namespace lernwerk::testing
