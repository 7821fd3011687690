#include <QFile>

#include "app/progress_recorder.h"
#include "memory/review_store.h"
#include "program_fixture.h"

namespace lernwerk::testing {
namespace {

class ProgressTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        writeFile(workingDir.filePath(QStringLiteral("de")), "");
    }

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

    memory::ReviewStore& store = *prog().progress().store();
    const auto found = store.lookup({u"Haus | _house_", u"Baum | _tree_"});
    ASSERT_TRUE(found[0]);
    ASSERT_TRUE(found[1]);
    EXPECT_EQ(found[0]->reviews, 1);  // "Falsch": a review; the later "Richtig" is none
    EXPECT_EQ(found[0]->state.stability, 0.212);
    EXPECT_EQ(found[1]->reviews, 1);  // "Zurückstellen" is none; the "Richtig" after it is the review
    EXPECT_EQ(found[1]->state.stability, 2.3065);
    ASSERT_EQ(store.rounds().size(), 1u);
    EXPECT_EQ(store.rounds()[0].questions, 2);
    EXPECT_EQ(store.rounds()[0].wrong, 1);
    EXPECT_EQ(store.rounds()[0].clocked, 1);
    EXPECT_EQ(prog().progress().marks().missed().size(), 2u);

    // Settings > Remember Progress, switched off: the next round leaves no trace.
    trigger("rememberProgress");
    playRound();
    EXPECT_EQ(store.review_count(), 2);
    EXPECT_EQ(store.rounds().size(), 1u);
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

}  // namespace
}  // namespace lernwerk::testing
