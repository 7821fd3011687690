#include "program_fixture.h"

#include <QHelpEvent>
#include <QMenu>
#include <QTextBlock>
#include <QToolTip>

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

    // What pointing at each marked gap shows, as a real tooltip event on the
    // field brings it up.
    QStringList pointedAt()
    {
        QStringList shown;
        QPlainTextEdit* solution = memo("loesung");
        for (const QTextEdit::ExtraSelection& mark : solution->extraSelections()) {
            QTextCursor inside(solution->document());
            inside.setPosition(mark.cursor.selectionStart() + 1);
            const QPoint at = solution->cursorRect(inside).center();
            QHelpEvent help(QEvent::ToolTip, at, solution->viewport()->mapToGlobal(at));
            QApplication::sendEvent(solution->viewport(), &help);
            shown << QToolTip::text();
            QToolTip::hideText();
        }
        return shown;
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
        QStringList pointedAt;
    } cases[] = {
        {"one of each",
         "sp2",
         QStringLiteral("blue,  Yellow"),
         {mark(0, 6, kWave), mark(8, 16, kSolid), mark(21, 26, kDotted)},
         QStringLiteral("1 of 3 gaps as typed, 1 nearly"),
         {QStringLiteral("nearly: you typed 'blue'"), QStringLiteral("as typed: you typed 'Yellow'"),
          QStringLiteral("missing: not in your answer")}},
        {"every gap, in German",
         "sp1",
         QStringLiteral("Red\nYellow\nBlue"),
         {mark(0, 6, kSolid), mark(8, 16, kSolid), mark(21, 26, kSolid)},
         QStringLiteral("3 von 3 Lücken wie eingegeben"),
         {QStringLiteral("wie eingegeben: Sie schrieben „Blue“"),
          QStringLiteral("wie eingegeben: Sie schrieben „Yellow“"),
          QStringLiteral("wie eingegeben: Sie schrieben „Red“")}},
        {"none",
         "sp2",
         QStringLiteral("green"),
         {mark(0, 6, kDotted), mark(8, 16, kDotted), mark(21, 26, kDotted)},
         QStringLiteral("0 of 3 gaps as typed"),
         {QStringLiteral("missing: not in your answer"), QStringLiteral("missing: not in your answer"),
          QStringLiteral("missing: not in your answer")}},
        {"a blank answer: the line alone", "sp2", QStringLiteral(" \n\t"), {}, QString(), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        trigger(c.language);
        revealWith(c.answer);
        const QString status = text("Memo2");
        const quiz::RoundState before = mainWindow().roundState();

        EXPECT_EQ(text("loesung"), kLine);
        EXPECT_EQ(marks(), c.marks);
        EXPECT_EQ(memo("loesung")->accessibleDescription(), c.summary);
        EXPECT_EQ(pointedAt(), c.pointedAt);
        EXPECT_TRUE(memo("loesung")->toolTip().startsWith(c.summary));
        // The verdict stays the learner's: nothing is marked for them.
        EXPECT_EQ(text("Memo2"), status);
        EXPECT_EQ(mainWindow().roundState().tallies.trials, before.tallies.trials);
        EXPECT_EQ(mainWindow().roundState().result_line, before.result_line);
        EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());

        // The next question takes the marks away.
        click("bt_wrong");
        EXPECT_TRUE(marks().isEmpty());
        EXPECT_TRUE(memo("loesung")->accessibleDescription().isEmpty());
        click("bt_correct");  // the round ends before the next case's language is chosen
    }
}

// The three verdicts differ in hue as well as in line style, and each reads
// on the field's background: dark marks on a light field, light on a dark one.
TEST_F(AnswerMarksTest, MarksDifferInHueAndReadOnAnyBackground)
{
    revealWith(QStringLiteral("blue, Yellow"));
    for (const QColor background : {QColor(Qt::white), QColor(30, 30, 30), QColor(255, 255, 200)}) {
        SCOPED_TRACE(background.name().toStdString());
        QPalette palette = memo("loesung")->palette();
        palette.setColor(QPalette::Base, background);
        memo("loesung")->setPalette(palette);
        QList<int> hues;
        for (const QTextEdit::ExtraSelection& mark : memo("loesung")->extraSelections()) {
            const QColor colour = mark.format.underlineColor();
            hues << colour.hslHue();
            EXPECT_EQ(colour.lightnessF() > 0.5, background.lightnessF() < 0.5) << colour.name().toStdString();
        }
        ASSERT_EQ(hues.size(), 3);
        EXPECT_TRUE(hues[0] != hues[1] && hues[1] != hues[2] && hues[0] != hues[2]);
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
