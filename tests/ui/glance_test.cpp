#include <ctime>

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QTextBlock>

#include "lang/glance_texts.h"
#include "memory/review_store.h"
#include "program_fixture.h"
#include "trainer/glance_sentences.h"
#include "trainer/memory_rounds.h"
#include "trainer/progress_recorder.h"

namespace lernwerk::testing {
namespace {

// The day at a glance, when to come back and a line's history, in German,
// with the learner's day fixed: the test runs where it is about noon.
class GlanceTest : public SpokenProgramTest {
protected:
    void SetUp() override
    {
        savedZone_ = qgetenv("TZ");
        const long west = ((std::time(nullptr) % 86400) - 12 * 3600 + 86400) % 86400;
        qputenv(
            "TZ",
            QStringLiteral("NOON+%1:%2").arg(west / 3600).arg(west % 3600 / 60, 2, 10, QLatin1Char('0')).toLatin1());
        tzset();
        SpokenProgramTest::SetUp();
    }

    void TearDown() override
    {
        SpokenProgramTest::TearDown();
        if (savedZone_.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", savedZone_);
        tzset();
    }

    static memory::Day today() { return memory::local_day(QDateTime::currentSecsSinceEpoch()); }
    static QString germanDate(memory::Day day)
    {
        return QDate(1970, 1, 1).addDays(day).toString(QStringLiteral("d.M."));
    }

    QString label(const char* name) { return find<QLabel>(name)->text(); }
    void press(QKeyCombination keys)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &mainWindow();
        QKeyEvent down(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
        QApplication::sendEvent(target, &down);
    }
    // The list's history: "Haus" missed yesterday (due today), "Baum" right today.
    void recordHistory()
    {
        memo("Memo1")->setPlainText(QStringLiteral("Haus | _house_\nBaum | _tree_\nHund | _dog_"));
        mainWindow().progress().open();
        memory::ReviewStore& store = *mainWindow().progress().store();
        const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
        store.record(u"Haus | _house_", memory::Rating::Again, now - 86'400'000, today() - 1);
        store.record(u"Baum | _tree_", memory::Rating::Good, now, today());
        mainWindow().findChild<MemoryRounds*>()->refresh();
    }

    QByteArray savedZone_;
};

TEST_F(GlanceTest, TheTrainerPageShowsTheDayAndTheRoundsSayWhenToComeBack)
{
    recordHistory();
    const QString key = QKeySequence(Qt::CTRL | Qt::Key_R).toString(QKeySequence::NativeText);
    EXPECT_EQ(label("glance"), QStringLiteral("Heute fällig: 1, neu: 1 — ") + key);
    EXPECT_EQ(label("nextReview"), QStringLiteral("Nächste Wiederholung: in 3 Tagen, 1 Frage."));

    // Review Due asks "Haus" and the new "Hund"; its end says when to come back.
    press(Qt::CTRL | Qt::Key_R);
    ASSERT_EQ(mainWindow().roundState().tallies.questions, 2);
    spoken.clear();
    click("bt_correct");
    click("bt_correct");
    EXPECT_EQ(spoken.last(), QStringLiteral("Fertig! 2/2 Richtig - 2 Trials - 0 Falsch - 0 Zurückgestellt. "
                                            "Nächste Wiederholung: in 3 Tagen, 3 Fragen."));
    EXPECT_EQ(label("glance"), QStringLiteral("Heute fällig: 0, neu: 0 — ") + key +
                                   QStringLiteral(". Nächste Wiederholung: in 3 Tagen, 3 Fragen."));

    // Nothing due, nothing missed: the keys still answer, and say so.
    spoken.clear();
    press(Qt::CTRL | Qt::Key_R);
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    EXPECT_EQ(spoken,
              (QStringList{QStringLiteral("Heute ist nichts fällig. Nächste Wiederholung: in 3 Tagen, 3 Fragen."),
                           QStringLiteral("Keine verpassten Fragen.")}));
    EXPECT_EQ(label("glance"),
              QStringLiteral("Heute fällig: 0, neu: 0 — ") + key + QStringLiteral(". Keine verpassten Fragen."));

    // Repeat Missed says what it asks, of which list, after another list was loaded too;
    // Forget says what it forgot.
    const QString file = workingDir.filePath(QStringLiteral("tiere.txt"));
    writeFile(file, "Katze | _cat_\r\nMaus | _mouse_\r\n");
    mainWindow().openListFile(file);
    click("Button1");
    click("bt_wrong");
    while (find<QPushButton>("bt_correct")->isEnabled())
        click("bt_correct");
    const QString other = workingDir.filePath(QStringLiteral("farben.txt"));
    writeFile(other, "rot | _red_\r\nblau | _blue_\r\n");
    mainWindow().openListFile(other);
    spoken.clear();
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_N);
    EXPECT_TRUE(spoken.contains(QStringLiteral("Verpasste wiederholen: 1 Frage aus tiere.txt.")))
        << spoken.join(QLatin1Char('|')).toStdString();
    while (find<QPushButton>("bt_correct")->isEnabled())
        click("bt_correct");
    whenModal([](QWidget* dialog) { qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Yes)->click(); });
    trigger("forgetProgress");
    EXPECT_TRUE(label("glance").endsWith(QStringLiteral("Der Fortschritt von 2 Fragen ist vergessen.")))
        << label("glance").toStdString();
}

TEST_F(GlanceTest, TheCaretLineOfTheListCarriesItsHistory)
{
    recordHistory();
    QPlainTextEdit* list = memo("Memo1");
    list->setFocus();
    const struct {
        int line;
        QString history;
    } lines[] = {
        {0, QStringLiteral("1 Wiederholung, zuletzt Falsch am %1, heute fällig.").arg(germanDate(today() - 1))},
        {1, QStringLiteral("1 Wiederholung, zuletzt Richtig am %1, fällig am %2")
                .arg(germanDate(today()), germanDate(today() + 3))},
        {2, QStringLiteral("Neu, noch nicht wiederholt.")},
    };
    for (const auto& line : lines) {
        QTextCursor caret(list->document()->findBlockByNumber(line.line));
        list->setTextCursor(caret);
        EXPECT_EQ(list->accessibleDescription(), line.history) << line.line;
    }
}

// When the next reviews fall due, as it is said: tomorrow, in days up to a
// week, then the date, with the year when it is another one.
TEST(NextReviewText, SaysTheDayAheadInWordsThenAsADate)
{
    const memory::Day today = static_cast<memory::Day>(QDate(1970, 1, 1).daysTo(QDate(2026, 12, 8)));
    const struct {
        int ahead;
        int count;
        const char* german;
        const char* english;
    } cases[] = {
        {1, 1, "Nächste Wiederholung: morgen, 1 Frage.", "Next review: tomorrow, 1 question."},
        {2, 5, "Nächste Wiederholung: in 2 Tagen, 5 Fragen.", "Next review: in 2 days, 5 questions."},
        {7, 2, "Nächste Wiederholung: in 7 Tagen, 2 Fragen.", "Next review: in 7 days, 2 questions."},
        {8, 3, "Nächste Wiederholung: am 16.12., 3 Fragen.", "Next review: on Dec 16, 3 questions."},
        {40, 1, "Nächste Wiederholung: am 17.1.2027, 1 Frage.", "Next review: on Jan 17, 2027, 1 question."},
        {0, 0, "Keine Wiederholung geplant.", "No review is scheduled."},
    };
    for (const auto& c : cases) {
        memory::DayOutlook outlook;
        if (c.ahead > 0) {
            outlook.next_day = today + c.ahead;
            outlook.next_count = c.count;
        }
        EXPECT_EQ(nextReviewText(outlook, today, Language::German), QString::fromUtf8(c.german)) << c.ahead;
        EXPECT_EQ(nextReviewText(outlook, today, Language::English), QString::fromUtf8(c.english)) << c.ahead;
    }
}

// A hint shows and says the next letter; "Correct" after it is remembered as
// hard, or, when the learner chose so, counted as "Wrong".
TEST_F(GlanceTest, AHintShowsALetterAndCountsAsChosen)
{
    memo("Memo1")->setPlainText(QStringLiteral("Haus | _house_"));
    mainWindow().progress().open();
    memory::ReviewStore& store = *mainWindow().progress().store();
    click("Button1");
    press(Qt::CTRL | Qt::Key_H);
    EXPECT_EQ(text("frage"), QStringLiteral("Haus | h____"));
    EXPECT_EQ(spoken.last(), QStringLiteral("Tipp: h"));
    click("bt_hint");
    EXPECT_EQ(text("frage"), QStringLiteral("Haus | ho___"));
    click("bt_correct");
    EXPECT_EQ(store.lookup({u"Haus | _house_"})[0]->state.stability, 1.2931);  // a first "Hard"

    store.forget({u"Haus | _house_"});
    trigger("hintCountsWrong");
    click("Button1");
    press(Qt::CTRL | Qt::Key_H);
    click("bt_correct");
    EXPECT_EQ(panel(1), QStringLiteral("0/1 Richtig - 1 Trials - 1 Falsch - 0 Zurückgestellt"));
    EXPECT_EQ(text("frage"), QStringLiteral("Haus | _____"));                 // asked again, without its hint
    EXPECT_EQ(store.lookup({u"Haus | _house_"})[0]->state.stability, 0.212);  // a first "Again"

    // The hint that shows the last letter says so; no further hint until the next question.
    for (int letter = 0; letter < 5; ++letter)
        press(Qt::CTRL | Qt::Key_H);
    EXPECT_EQ(text("frage"), QStringLiteral("Haus | house"));
    EXPECT_EQ(spoken.last(), QStringLiteral("Tipp: house Alle Buchstaben sind gezeigt."));
    EXPECT_FALSE(find<QPushButton>("bt_hint")->isEnabled());
    press(Qt::CTRL | Qt::Key_H);
    EXPECT_EQ(spoken.last(), QStringLiteral("Alle Buchstaben sind gezeigt."));
    click("bt_wrong");
    EXPECT_TRUE(find<QPushButton>("bt_hint")->isEnabled());
}

}  // namespace
}  // namespace lernwerk::testing
