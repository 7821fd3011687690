// The seams that most window tests replace, tried with the real thing: the
// real error box with its own event loop, the real start-screen timer, and
// the real focus tracking behind them.
#include "program_fixture.h"

#include <QElapsedTimer>
#include <QMessageBox>

namespace lernwerk::testing {
namespace {

const QByteArray kSignature("\xEF\xBB\xBF");
// A UTF-7 signature followed by a character no UTF-7 text may hold there.
const QByteArray kBrokenUtf7("+/v8-+!");

class RealSeamsTest : public ProgramTest {
protected:
    QStringList boxTexts;

    // Shows real message boxes from now on; each one is read and confirmed
    // after `openFor` milliseconds, as a user would.
    void answerRealBoxes(int openFor)
    {
        errorReporter().setSink({});
        auto* watcher = new QTimer(qApp);
        watcher->setInterval(20);
        QObject::connect(watcher, &QTimer::timeout, watcher, [this, watcher, openFor] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box->property("answering").toBool())
                return;
            box->setProperty("answering", true);
            boxTexts << box->windowTitle() + QStringLiteral(" | ") + box->text();
            QTimer::singleShot(openFor, box, [box] { box->button(QMessageBox::Ok)->click(); });
        });
        watcher->start();
        watchers_.emplace_back(watcher);
    }

    void processEventsFor(int milliseconds)
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < milliseconds)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    void TearDown() override
    {
        watchers_.clear();
        ProgramTest::TearDown();
    }

private:
    std::vector<std::unique_ptr<QTimer>> watchers_;
};

TEST_F(RealSeamsTest, BackToTheMainWindowAfterAnErrorBoxKeepsTheRound)
{
    startProgram();
    startScreen().show();
    startScreen().handOverNow();
    processEventsFor(50);
    click("Button1");
    click("bt_wrong");
    ASSERT_EQ(mainWindow().roundState().tallies.wrong, 1);

    answerRealBoxes(0);
    answerFileDialog(workingDir.filePath(QStringLiteral("missing.txt")));
    click("Button2");
    // The box's window is gone; focus comes back to the main window.
    mainWindow().activateWindow();
    processEventsFor(100);

    ASSERT_EQ(boxTexts.size(), 1);
    EXPECT_TRUE(boxTexts.first().startsWith(QStringLiteral("Drillbook - Jorin Malke Studio | Cannot open file \"")))
        << boxTexts.first().toStdString();
    // Returning from a modal box is no activation: the tallies stay.
    EXPECT_EQ(mainWindow().roundState().tallies.wrong, 1);
    EXPECT_EQ(mainWindow().roundState().tallies.trials, 1);
}

TEST_F(RealSeamsTest, AnErrorBoxDuringCreationNeitherEatsTheWaitingNorTheHandOver)
{
    writeFile(programDir.filePath(QStringLiteral("LetzteFrageliste.txt")), kSignature + "deutsche Liste");
    writeFile(programDir.filePath(QStringLiteral("LastQuestionnaire.txt")), kBrokenUtf7);
    // Open longer than two ticks of the start screen's timer.
    answerRealBoxes(1600);
    program = std::make_unique<Program>(errorReporter(), programFolder(), workingDir.path());
    // The main window, which reads the last list, is built once the start
    // screen is on screen.
    EXPECT_TRUE(boxTexts.isEmpty());

    startScreen().show();
    QElapsedTimer waited;
    waited.start();
    while (boxTexts.isEmpty() && waited.elapsed() < 3000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(boxTexts.size(), 1);
    EXPECT_EQ(boxTexts.first(), QStringLiteral("Drillbook - Jorin Malke Studio | Invalid UTF7"));
    EXPECT_EQ(text("Memo1"), QStringLiteral("deutsche Liste"));
    EXPECT_EQ(startScreen().ticks(), 0);
    // The start screen, which stays on top, made way for the box.
    EXPECT_FALSE(startScreen().isVisible());

    while (!mainWindow().isVisible() && waited.elapsed() < 7000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_EQ(startScreen().ticks(), 4);
    // Counted from the running event loop and not while the box was open:
    // the fourth tick after it.
    EXPECT_GE(waited.elapsed(), 1600 + 3 * 700);
}

TEST_F(RealSeamsTest, AnUnreadableLastListDoesNotHideTheOther)
{
    struct {
        const char* broken;
        const char* readable;
        const char* marker;
    } cases[] = {
        {"LetzteFrageliste.txt", "LastQuestionnaire.txt", "en"},
        {"LastQuestionnaire.txt", "LetzteFrageliste.txt", "de"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.broken);
        QDir(programDir.path()).removeRecursively();
        QDir().mkpath(programDir.path());
        QDir(workingDir.path()).removeRecursively();
        QDir().mkpath(workingDir.path());
        errors.clear();
        writeFile(programDir.filePath(QString::fromLatin1(c.broken)), kBrokenUtf7);
        writeFile(programDir.filePath(QString::fromLatin1(c.readable)), kSignature + "mine _1_\r\nmine _2_");
        writeFile(workingDir.filePath(QString::fromLatin1(c.marker)), "");
        startProgram();
        EXPECT_EQ(errors, QStringList{QStringLiteral("Invalid UTF7")});
        EXPECT_EQ(text("Memo1"), QStringLiteral("mine _1_\nmine _2_"));
        program.reset();
    }
}

}  // namespace
}  // namespace lernwerk::testing
