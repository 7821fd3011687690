#include <csignal>
#include <ctime>
#include <filesystem>

#include <sqlite3.h>

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include "memory/review_store.h"
#include "pages/progress_page.h"
#include "program_fixture.h"
#include "quiz/gap_items.h"
#include "textfile/file_names.h"
#include "trainer/day_watch.h"
#include "trainer/memory_rounds.h"
#include "trainer/progress_recorder.h"
#include "widgets/page_control.h"

namespace lernwerk::testing {
namespace {

class ProgressTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        writeFile(workingDir.filePath(QStringLiteral("de")), "");
        // The learner's days are local calendar days: in a zone where it is
        // about noon, no test sees its reviews fall due on a new day.
        savedZone_ = qgetenv("TZ");
        const long west = ((std::time(nullptr) % 86400) - 12 * 3600 + 86400) % 86400;
        qputenv(
            "TZ",
            QStringLiteral("NOON+%1:%2").arg(west / 3600).arg(west % 3600 / 60, 2, 10, QLatin1Char('0')).toLatin1());
        tzset();
    }

    void TearDown() override
    {
        if (savedZone_.isNull())
            qunsetenv("TZ");
        else
            qputenv("TZ", savedZone_);
        tzset();
        ProgramTest::TearDown();
    }

    QByteArray savedZone_;

    std::filesystem::path storePath() const
    {
        return (programFolder() + QString::fromLatin1(ProgressRecorder::kFileName)).toStdString();
    }

    // A round over two questions: the first "Falsch" then "Richtig", the
    // second "Zurückstellen" then "Richtig"; whichever comes first.
    void playRound()
    {
        memo("Memo1")->setPlainText(QStringLiteral("Haus | _house_\nBaum | _tree_"));
        click("Button1");
        std::map<QString, int> seen;
        while (find<QPushButton>("bt_correct")->isEnabled()) {
            const QString question = text("frage");
            const int times = seen[question]++;
            if (times > 0)
                click("bt_correct");
            else
                click(question.startsWith(QStringLiteral("Haus")) ? "bt_wrong" : "bt_clock");
        }
    }
};

TEST_F(ProgressTest, EveryFirstAnswerOfARoundIsRemembered)
{
    startProgram();
    playRound();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();

    memory::ReviewStore& store = *mainWindow().progress().store();
    const auto found = store.lookup({u"Haus | _house_", u"Baum | _tree_"});
    ASSERT_TRUE(found[0]);
    ASSERT_TRUE(found[1]);
    EXPECT_EQ(found[0]->reviews, 1);  // "Falsch": a review; the later "Richtig" is none
    EXPECT_EQ(found[0]->state.stability, 0.212);
    EXPECT_EQ(found[1]->reviews, 1);  // "Zurückstellen" is none; the "Richtig" after it is the review
    EXPECT_EQ(found[1]->state.stability, 2.3065);
    ASSERT_EQ(store.rounds().size(), 1u);
    EXPECT_EQ(store.rounds()[0].tallies.questions, 2);
    EXPECT_EQ(store.rounds()[0].tallies.wrong, 1);
    EXPECT_EQ(store.rounds()[0].tallies.clocked, 1);
    EXPECT_EQ(mainWindow().findChild<MemoryRounds*>()->session().missed().size(), 2u);

    // Settings > Forget Progress of This List..: "No" keeps it, "Yes" forgets it.
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        whenModal([button](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->text().contains(QStringLiteral("2 Fragen"))) << box->text().toStdString();
            box->button(button)->click();
        });
        trigger("forgetProgress");
        EXPECT_EQ(store.review_count(), button == QMessageBox::No ? 2 : 0);
    }
    EXPECT_FALSE(store.lookup({u"Haus | _house_"})[0]);

    // Settings > Remember Progress, switched off: the next round leaves no trace.
    trigger("rememberProgress");
    playRound();
    EXPECT_EQ(store.review_count(), 0);
    EXPECT_EQ(store.rounds().size(), 1u);
}

TEST_F(ProgressTest, TheDesiredRetentionIsKeptAndCheckedInTheNextRun)
{
    startProgram();
    mainWindow().progress().open();
    EXPECT_TRUE(find<QAction>("retention90")->isChecked());
    trigger("retention80");
    EXPECT_EQ(mainWindow().progress().store()->desired_retention(), 0.8);
    EXPECT_EQ(memory::ReviewStore(storePath()).desired_retention(), 0.8);
    program.reset();

    // The next run checks the entry the file keeps once it has opened the file.
    startProgram();
    mainWindow().progress().open();
    emit find<QMenu>("desiredRetention")->aboutToShow();
    EXPECT_TRUE(find<QAction>("retention80")->isChecked());
    EXPECT_FALSE(find<QAction>("retention90")->isChecked());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgressTest, AFileThatCannotBeUsedIsNamedOnceAndTheRoundGoesOn)
{
    struct Case {
        const char* name;
        std::function<void(const QString&)> prepare;
        QString reason;
    };
    const Case cases[] = {
        {"a folder", [](const QString& path) { QDir().mkpath(path); }, QStringLiteral("ist ein Ordner")},
        {"damaged", [](const QString& path) { writeFile(path, QByteArray(5000, 'x')); },
         QStringLiteral("war beschädigt")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = programFolder() + QString::fromLatin1(ProgressRecorder::kFileName);
        QDir(path).removeRecursively();
        QFile::remove(path);
        c.prepare(path);
        errors.clear();
        startProgram();
        playRound();
        ASSERT_EQ(errors.size(), 1) << errors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(errors[0].contains(path)) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(c.reason)) << errors[0].toStdString();
        // The round went on to its end all the same.
        EXPECT_TRUE(panel(1).startsWith(QStringLiteral("2/2 Richtig")));
        program.reset();
    }
}

TEST_F(ProgressTest, AFolderNamedInAnyBytesIsUsedAsItIs)
{
    // A folder from an old archive: its name holds a Latin-1 byte that is no UTF-8.
    const std::string bytes = workingDir.path().toStdString() + "/Caf\xe9/";
    std::filesystem::create_directory(bytes);
    const QString folder = QString::fromStdU16String(textfile::NameFromBytes(bytes));
    program = std::make_unique<Program>(errorReporter(), folder, workingDir.path());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    playRound();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(std::filesystem::is_regular_file(bytes + "progress.sqlite"));
    // A file-size limit gives a failed write, never the end of the program.
    struct sigaction action {};
    sigaction(SIGXFSZ, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_IGN);
}

TEST_F(ProgressTest, RepeatMissedAndSaveMissedAs)
{
    startProgram();
    const QString list = QStringLiteral("Haus | _house_\nKatze | _cat_\nBaum | _tree_");
    const QString listFile = workingDir.filePath(QStringLiteral("tiere.txt"));
    writeFile(listFile, list.toUtf8());
    mainWindow().openListFile(listFile);
    ASSERT_EQ(text("Memo1"), list);
    EXPECT_FALSE(find<QAction>("repeatMissed")->isEnabled());
    EXPECT_FALSE(find<QAction>("saveMissed")->isEnabled());
    click("Button1");
    std::map<QString, int> seen;
    while (find<QPushButton>("bt_correct")->isEnabled()) {
        const QString question = text("frage");
        if (seen[question]++ > 0 || question.startsWith(QStringLiteral("Katze")))
            click("bt_correct");
        else
            click(question.startsWith(QStringLiteral("Haus")) ? "bt_wrong" : "bt_clock");
    }
    EXPECT_TRUE(find<QAction>("repeatMissed")->isEnabled());
    EXPECT_TRUE(find<QAction>("saveMissed")->isEnabled());

    // A name no file has is offered, in the loaded list's folder.
    writeFile(workingDir.filePath(QStringLiteral("Verpasst.txt")), "schon da");
    const QString target = workingDir.filePath(QStringLiteral("missed.txt"));
    QString offered;
    whenModal([&offered, target](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(files, nullptr);
        auto* typed = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        offered = typed->text();
        typed->setText(target);
        QMetaObject::invokeMethod(files, "accept");
    });
    trigger("saveMissed");
    EXPECT_EQ(offered, QStringLiteral("Verpasst 2.txt"));
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("\xEF\xBB\xBFHaus | _house_\r\nBaum | _tree_"));
    // Said, and shown where the day's glance stands.
    EXPECT_TRUE(
        find<QLabel>("glance")->text().contains(QStringLiteral("2 verpasste Fragen gespeichert in missed.txt.")))
        << find<QLabel>("glance")->text().toStdString();
    EXPECT_EQ(text("Memo1"), list);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();

    // Never over a question list or a file the program keeps: the loaded list, the last list of
    // the German interface, the progress file and its journal, by name or through a link.
    const QString lastList = programFolder() + QStringLiteral("LetzteFrageliste.txt");
    const QString store = QString::fromStdString(storePath().string());
    const QString link = workingDir.filePath(QStringLiteral("fortschritt.txt"));
    QFile::link(store, link);
    // A link whose target does not exist yet leads there all the same.
    const QString dangling = workingDir.filePath(QStringLiteral("letzte.txt"));
    QFile::link(lastList, dangling);
    const auto reviews = mainWindow().progress().store()->review_count();
    for (const QString& keptFile : {listFile, lastList, store, store + QStringLiteral("-wal"), link, dangling}) {
        answerFileDialog(keptFile);
        trigger("saveMissed");
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(QStringLiteral("nicht überschrieben"))) << errors[0].toStdString();
        errors.clear();
    }
    EXPECT_FALSE(QFile::exists(lastList));
    EXPECT_EQ(find<QFileDialog>("sdMissed")->windowTitle(), QStringLiteral("Verpasste speichern unter"));
    EXPECT_EQ(mainWindow().progress().store()->review_count(), reviews);
    QFile loaded(listFile);
    ASSERT_TRUE(loaded.open(QIODevice::ReadOnly));
    EXPECT_EQ(loaded.readAll(), list.toUtf8());

    // A round over the two missed ones; answered right, nothing is missed any more.
    const QString statusBefore = text("Memo2");
    trigger("repeatMissed");
    EXPECT_EQ(panel(1), QStringLiteral("0/2 Richtig - 0 Trials - 0 Falsch - 0 Zurückgestellt"));
    EXPECT_FALSE(text("frage").startsWith(QStringLiteral("Katze")));
    click("bt_correct");
    click("bt_correct");
    EXPECT_EQ(panel(1), QStringLiteral("2/2 Richtig - 2 Trials - 0 Falsch - 0 Zurückgestellt"));
    EXPECT_EQ(text("Memo1"), list);
    EXPECT_EQ(text("Memo2"), statusBefore);
    EXPECT_FALSE(find<QAction>("repeatMissed")->isEnabled());
    EXPECT_FALSE(find<QAction>("saveMissed")->isEnabled());
}

TEST_F(ProgressTest, ReviewDueAsksTheNewQuestionsThenNothingUntilTheyAreDue)
{
    startProgram();
    memo("Memo1")->setPlainText(QStringLiteral("Haus | _house_\n\nKatze | _cat_\nBaum | _tree_"));
    mainWindow().progress().open();
    // Opening the File menu counts anew.
    emit find<QMenu>("p0")->aboutToShow();
    QAction* due = find<QAction>("reviewDue");
    EXPECT_EQ(due->text(), QStringLiteral("Fällige Fragen üben (3)"));
    EXPECT_TRUE(due->isEnabled());

    due->trigger();
    EXPECT_EQ(panel(1), QStringLiteral("0/3 Richtig - 0 Trials - 0 Falsch - 0 Zurückgestellt"));
    for (int i = 0; i < 3; ++i)
        click("bt_correct");
    EXPECT_EQ(due->text(), QStringLiteral("Fällige Fragen üben (0)"));
    EXPECT_FALSE(due->isEnabled());
    EXPECT_EQ(mainWindow().progress().store()->review_count(), 3);

    // A new day begins while the program runs: a question due then is counted without a menu opened.
    auto& store = *mainWindow().progress().store();
    const memory::Day today = memory::local_day(std::time(nullptr));
    store.forget({u"Katze | _cat_"});
    store.record(u"Katze | _cat_", memory::Rating::Again, 0, today - 5);
    auto* dayWatch = mainWindow().findChild<DayWatch*>();
    ASSERT_NE(dayWatch, nullptr);
    emit dayWatch->dayChanged(today);
    EXPECT_EQ(due->text(), QStringLiteral("Fällige Fragen üben (1)"));
    EXPECT_TRUE(due->isEnabled());

    // The count follows the language.
    trigger("sp2");
    EXPECT_EQ(due->text(), QStringLiteral("Review Due Questions (1)"));
}

TEST_F(ProgressTest, ARoundLeftByClosingGoesOnInTheNextRun)
{
    const QString list = QStringLiteral("Haus | _house_\nKatze | _cat_\nBaum | _tree_");
    startProgram();
    memo("Memo1")->setPlainText(list);
    click("Button1");
    click("bt_wrong");
    click("bt_correct");
    const QString status = text("Memo2");
    const QString result = panel(1);
    const QString onDisplay = text("frage");
    EXPECT_EQ(result, QStringLiteral("1/3 Richtig - 2 Trials - 1 Falsch - 0 Zurückgestellt"));
    // Closed through the closing dialog's OK.
    whenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); });
    mainWindow().close();
    program.reset();

    struct Case {
        const char* name;
        QString list;
        bool offered;
    };
    const Case cases[] = {
        {"a changed line", QStringLiteral("Haus | _house_\nKatze | _cats_\nBaum | _tree_"), false},
        // As a file that ends with a line break loads.
        {"the same questions", list + QStringLiteral("\n"), true},
        {"the round finished", list, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        startProgram();
        // Starting shows what it always shows; continuing is the learner's choice.
        EXPECT_FALSE(find<QPushButton>("bt_correct")->isEnabled());
        memo("Memo1")->setPlainText(c.list);
        mainWindow().progress().open();
        emit find<QMenu>("p0")->aboutToShow();
        EXPECT_EQ(find<QAction>("continueRound")->isEnabled(), c.offered);
        if (!c.offered) {
            program.reset();
            continue;
        }
        trigger("continueRound");
        EXPECT_EQ(text("Memo1"), list);
        EXPECT_EQ(text("Memo2"), status);
        EXPECT_EQ(panel(1), result);
        EXPECT_EQ(text("frage"), onDisplay);
        click("bt_correct");
        click("bt_correct");
        EXPECT_EQ(panel(1), QStringLiteral("3/3 Richtig - 4 Trials - 1 Falsch - 0 Zurückgestellt"));
        // The round was finished; it is no longer offered, and it is remembered once.
        emit find<QMenu>("p0")->aboutToShow();
        EXPECT_FALSE(find<QAction>("continueRound")->isEnabled());
        EXPECT_EQ(mainWindow().progress().store()->rounds().size(), 1u);
        EXPECT_EQ(mainWindow().progress().store()->review_count(), 3);
        program.reset();
    }
}

// However the program ends (killed, SIGTERM, closed), the kept round comes back
// as it was left, and nothing it wrote is ever taken for damage.
TEST_F(ProgressTest, AKeptRoundOutlivesEveryEnding)
{
    const QString list = QStringLiteral("Haus | _house_\nBaum | _tree_");
    const auto offered = [this] {
        mainWindow().progress().open();
        emit find<QMenu>("p0")->aboutToShow();
        return find<QAction>("continueRound")->isEnabled();
    };
    const auto restart = [&](const QString& withList) {
        program.reset();  // as killed: nothing more is written
        startProgram();
        memo("Memo1")->setPlainText(withList);
    };

    // Missed lines repeated after the list changed on disk, continued, missed again, replaced.
    startProgram();
    playRound();
    const QString changed = QStringLiteral("Katze | _cat_\nMaus | _mouse_");
    restart(changed);
    EXPECT_FALSE(offered());
    const auto reviews = mainWindow().progress().store()->review_count();
    trigger("repeatMissed");
    const QString first = text("frage");
    click("bt_correct");
    restart(changed);
    ASSERT_TRUE(offered());
    trigger("continueRound");
    EXPECT_NE(text("frage"), first);
    click("bt_wrong");
    click("Button1");
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(mainWindow().progress().store()->review_count(), reviews + 2);
    EXPECT_FALSE(mainWindow().progress().store()->moved_aside());

    // Ended by a signal after an edit of the list that was not saved: kept under the list as it was.
    restart(list);
    click("Button1");
    click("bt_wrong");
    memo("Memo1")->moveCursor(QTextCursor::End);
    memo("Memo1")->insertPlainText(QStringLiteral("x"));
    mainWindow().endWithoutAsking();
    restart(list);
    EXPECT_TRUE(offered());

    // Counts the list cannot have (a hand edit): the kept round is dropped, said, and nothing hangs.
    program.reset();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(storePath().c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "UPDATE open_round SET status_count = 30000000", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    restart(list);
    EXPECT_FALSE(offered());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.takeFirst(), QStringLiteral("Die zuletzt unterbrochene Runde passt nicht zur Liste und kann nicht "
                                                 "fortgesetzt werden. Sie wurde verworfen; was Sie gelernt haben, "
                                                 "bleibt gemerkt."));
    EXPECT_EQ(mainWindow().progress().store()->review_count(), reviews + 3);

    // A hint given before the end shows again, and "Correct" after it is remembered as hard.
    restart(QStringLiteral("Haus | _house_"));
    click("Button1");
    click("bt_hint");
    const QString hinted = text("frage");
    mainWindow().endWithoutAsking();
    restart(QStringLiteral("Haus | _house_"));
    ASSERT_TRUE(offered());
    trigger("continueRound");
    EXPECT_EQ(text("frage"), hinted);
    click("bt_correct");
    const auto last = mainWindow().progress().store()->last_review(u"Haus | _house_");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->rating, memory::Rating::Hard);
    EXPECT_TRUE(text("Memo3").contains(QStringLiteral("Tipps: 1"))) << text("Memo3").toStdString();
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProgressTest, AMarkingBelongsToTheQuestionAskedAndALineTwiceIsOneQuestion)
{
    startProgram();
    memory::ReviewStore& store = *mainWindow().progress().store();
    // The list edited while a question shows: the marking still goes to the question asked.
    memo("Memo1")->setPlainText(QStringLiteral("Haus | _house_\nBaum | _tree_"));
    click("Button1");
    const bool house = text("frage").startsWith(QStringLiteral("Haus"));
    memo("Memo1")->setPlainText(QStringLiteral("Hund | _dog_\nHaus | _house_\nBaum | _tree_"));
    click("bt_correct");
    const auto found = store.lookup({u"Hund | _dog_", u"Haus | _house_", u"Baum | _tree_"});
    EXPECT_FALSE(found[0]);
    EXPECT_EQ(found[1].has_value(), house);
    EXPECT_EQ(found[2].has_value(), !house);

    // A line twice (once with a blank at its end): one question, counted and reviewed once.
    store.forget({u"Haus | _house_", u"Baum | _tree_"});
    memo("Memo1")->setPlainText(QStringLiteral("Haus | _house_\nHaus | _house_\nHaus | _house_ \nBaum | _tree_"));
    emit find<QMenu>("p0")->aboutToShow();
    EXPECT_EQ(find<QAction>("reviewDue")->text(), QStringLiteral("Fällige Fragen üben (2)"));
    click("Button1");
    bool missed = false;
    while (find<QPushButton>("bt_correct")->isEnabled()) {
        const bool miss = !missed && text("frage").startsWith(QStringLiteral("Haus"));
        missed = missed || miss;
        click(miss ? "bt_wrong" : "bt_correct");
    }
    const auto twice = store.lookup({u"Haus | _house_"})[0];
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->reviews, 1);
    EXPECT_EQ(twice->state.stability, 0.212);  // the first marking's "Wrong", not a later "Correct"
    EXPECT_EQ(mainWindow().findChild<MemoryRounds*>()->session().missed().size(), 1u);

    // A round with markings is replaced only when the learner says so, and is then recorded as ended.
    store.forget({u"Haus | _house_", u"Baum | _tree_"});
    click("Button1");
    click("bt_wrong");
    const auto rounds = store.rounds().size();
    for (const auto button : {QMessageBox::No, QMessageBox::Yes}) {
        const QString before = panel(1);
        whenModal([button](QWidget* dialog) {
            auto* box = qobject_cast<QMessageBox*>(dialog);
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(box->text().contains(QStringLiteral("Eine Runde läuft"))) << box->text().toStdString();
            box->button(button)->click();
        });
        trigger("reviewDue");
        EXPECT_EQ(panel(1) == before, button == QMessageBox::No);
    }
    EXPECT_EQ(store.rounds().size(), rounds + 1);
    EXPECT_EQ(store.rounds().back().tallies.wrong, 1);
}

// Settings > Gaps: each gap of a line a question of its own, remembered on its
// own, its line done when all its gaps are; also after the round was continued.
TEST_F(ProgressTest, OneGapAtATime)
{
    const QString line = QStringLiteral("Blau, _Gelb_ und _Rot_.");
    struct Case {
        const char* entry;
        QStringList first;  // what the first question may show
        QString second;     // the second, once the first was answered right
    };
    const Case cases[] = {
        {"gapsOneOthersShown", {QStringLiteral("Blau, _____ und Rot."), QStringLiteral("Blau, Gelb und _____.")}, {}},
        {"gapsOneAfterAnother", {QStringLiteral("Blau, _____ und _____.")}, QStringLiteral("Blau, Gelb und _____.")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        std::filesystem::remove(storePath());
        startProgram();
        memo("Memo1")->setPlainText(line);
        trigger(c.entry);
        click("Button1");
        EXPECT_EQ(panel(1), QStringLiteral("0/2 Richtig - 0 Trials - 0 Falsch - 0 Zurückgestellt"));
        EXPECT_TRUE(c.first.contains(text("frage"))) << text("frage").toStdString();
        const QString asked = text("frage");
        // The typed answer is held against the asked gap alone.
        memo("antwort")->setPlainText(QStringLiteral("Gelb Rot"));
        click("bt_solve");
        EXPECT_TRUE(memo("loesung")->accessibleDescription().startsWith(QStringLiteral("1 von 1 Lücke")))
            << memo("loesung")->accessibleDescription().toStdString();
        click("bt_correct");
        EXPECT_EQ(text("Memo2"), QStringLiteral("0"));  // one gap of two: the line is not done
        if (!c.second.isEmpty()) {
            EXPECT_EQ(text("frage"), c.second);
        }
        const QString second = text("frage");
        EXPECT_NE(second, asked);

        // Left and continued in the next run: the second gap is asked again.
        program.reset();
        startProgram();
        memo("Memo1")->setPlainText(line);
        mainWindow().progress().open();
        emit find<QMenu>("p0")->aboutToShow();
        trigger("continueRound");
        EXPECT_EQ(panel(1), QStringLiteral("1/2 Richtig - 1 Trials - 0 Falsch - 0 Zurückgestellt"));
        EXPECT_EQ(text("frage"), second);
        click("bt_correct");
        EXPECT_EQ(text("Memo2"), QStringLiteral("X"));
        memory::ReviewStore& store = *mainWindow().progress().store();
        const auto found = store.lookup({quiz::gap_question(line.toStdU16String(), 0),
                                         quiz::gap_question(line.toStdU16String(), 1), line.toStdU16String()});
        EXPECT_TRUE(found[0] && found[1]);
        EXPECT_FALSE(found[2]);
        // The progress page counts the gaps as Review Due asks them.
        trigger(c.entry);
        trigger("fProgress");
        EXPECT_EQ(find<ProgressPage>("progress")->summaries().value(2),
                  QStringLiteral(u"Diese Liste, 2\u00A0Fragen: 0\u00A0neu, 2\u00A0im Lernen, 0\u00A0gekonnt."));
        // And so does the line's history: the reviews of both gaps.
        QPlainTextEdit* list = memo("Memo1");
        list->setFocus();
        list->setTextCursor(QTextCursor(list->document()->firstBlock()));
        EXPECT_TRUE(list->accessibleDescription().startsWith(QStringLiteral("2 Wiederholungen, zuletzt Richtig am ")))
            << list->accessibleDescription().toStdString();
        program.reset();
    }
}

TEST_F(ProgressTest, TheProgressPageShowsAndSaysTheFigures)
{
    startProgram();
    auto* page = find<ProgressPage>("progress");
    EXPECT_FALSE(find<PageControl>("blatt")->isPageVisible(page));
    playRound();  // "Haus" wrong first, "Baum" right first (after a "Clock")
    trigger("fProgress");
    EXPECT_EQ(find<PageControl>("blatt")->currentWidget(), page);
    EXPECT_EQ(page->summaries(),
              (QStringList{
                  QStringLiteral(u"Diese Liste, letzte 30\u00A0Tage: 2\u00A0Wiederholungen, 50\u00A0% beim ersten Mal "
                                 u"richtig."),
                  QStringLiteral(u"Diese Liste, nächste 14\u00A0Tage: 2\u00A0Fragen fällig (heute: 0)."),
                  QStringLiteral(u"Diese Liste, 2\u00A0Fragen: 0\u00A0neu, 2\u00A0im Lernen, 0\u00A0gekonnt.")}));
    // The keys reach each text once; the plots are named by their titles.
    EXPECT_EQ(find<QLabel>("dueText")->focusPolicy(), Qt::TabFocus);
    EXPECT_EQ(find<QWidget>("dueChart")->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(find<QWidget>("dueChart")->accessibleName(), QStringLiteral(u"Fällig aus dieser Liste, nächste 14 Tage"));

    trigger("sp2");
    EXPECT_EQ(
        page->summaries(),
        (QStringList{QStringLiteral(u"This list, last 30\u00A0days: 2\u00A0reviews, 50\u00A0% right the first time."),
                     QStringLiteral(u"This list, next 14\u00A0days: 2\u00A0questions due (today: 0)."),
                     QStringLiteral(u"This list, 2\u00A0questions: 0\u00A0new, 2\u00A0learning, 0\u00A0known.")}));
    auto* tabs = find<PageControl>("blatt");
    EXPECT_EQ(tabs->tabText(tabs->indexOf(page)), QStringLiteral("Progress"));
    if (qEnvironmentVariableIsSet("LERNWERK_PROGRESS_SHOT")) {
        find<PageControl>("blatt")->selectPage(page);
        QCoreApplication::processEvents();
        mainWindow().grab().save(qEnvironmentVariable("LERNWERK_PROGRESS_SHOT"));
    }
}

TEST_F(ProgressTest, ThePlotsCountTheLoadedListAndFollowIt)
{
    startProgram();
    playRound();  // "Haus" and "Baum" reviewed
    // Another list: "Haus" again and a new question.
    memo("Memo1")->setPlainText(QStringLiteral("Katze | _cat_\nHaus | _house_"));
    emit find<QMenu>("p0")->aboutToShow();
    EXPECT_EQ(find<QAction>("reviewDue")->text(), QStringLiteral("Fällige Fragen üben (1)"));
    trigger("fProgress");
    auto* page = find<ProgressPage>("progress");
    EXPECT_EQ(
        page->summaries(),
        (QStringList{QStringLiteral(u"Diese Liste, letzte 30\u00A0Tage: 1\u00A0Wiederholung, 0\u00A0% beim ersten "
                                    u"Mal richtig. Alle Listen: 2\u00A0Wiederholungen."),
                     QStringLiteral(u"Diese Liste, nächste 14\u00A0Tage: 1\u00A0Frage fällig (heute: 0). "
                                    u"„Fällige Fragen üben“ nimmt heute dazu 1\u00A0neue Frage."),
                     QStringLiteral(u"Diese Liste, 2\u00A0Fragen: 1\u00A0neu, 1\u00A0im Lernen, 0\u00A0gekonnt.")}));

    // Forgetting the list while the page shows draws it anew.
    whenModal([](QWidget* dialog) { qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Yes)->click(); });
    trigger("forgetProgress");
    EXPECT_EQ(
        page->summaries(),
        (QStringList{QStringLiteral(u"Diese Liste, letzte 30\u00A0Tage: keine Wiederholungen. Alle Listen: "
                                    u"1\u00A0Wiederholung."),
                     QStringLiteral(u"Diese Liste, nächste 14\u00A0Tage: 0\u00A0Fragen fällig (heute: 0). "
                                    u"„Fällige Fragen üben“ nimmt heute dazu 2\u00A0neue Fragen."),
                     QStringLiteral(u"Diese Liste, 2\u00A0Fragen: 2\u00A0neu, 0\u00A0im Lernen, 0\u00A0gekonnt.")}));

    // At the window's smallest size every plot and text is whole; the page scrolls.
    mainWindow().resize(mainWindow().minimumSize());
    QCoreApplication::processEvents();
    for (const char* name : {"reviewsText", "dueText", "statesText"}) {
        auto* label = find<QLabel>(name);
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
    }
    for (const char* name : {"reviewsChart", "dueChart", "statesChart"})
        EXPECT_GE(find<QWidget>(name)->height(), 140) << name;
}

}  // namespace
}  // namespace lernwerk::testing
