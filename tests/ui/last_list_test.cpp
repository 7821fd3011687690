#include "program_fixture.h"

#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QWindow>

#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"

namespace lernwerk::testing {
namespace {

const QByteArray kSignature("\xEF\xBB\xBF");

class LastListTest : public ProgramTest {
protected:
    QString lastList(const char* name) { return programDir.filePath(QString::fromLatin1(name)); }

    // Closes the main window and answers the closing dialog: keep the list or not.
    void closeAnswering(bool save)
    {
        int shown = 0;
        whenModal([&shown, save](QWidget* dialog) {
            ++shown;
            dialog->findChild<QRadioButton*>(save ? QStringLiteral("RadioButton1") : QStringLiteral("RadioButton2"))
                ->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        mainWindow().close();
        EXPECT_EQ(shown, 1);
    }

    // The start screen hands over to the main window, as a click on it does.
    void handOver()
    {
        startScreen().show();
        startScreen().handOverNow();
        processEvents();
    }

    void processEvents()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
};

TEST_F(LastListTest, ClosingInEachLanguageAndStartingAgain)
{
    startProgram();
    memo("Memo1")->setPlainText(QStringLiteral("Ελληνικά _α_\nКириллица _б_"));
    closeAnswering(true);
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(readFile(lastList("LastQuestionnaire.txt")),
              kSignature + QStringLiteral("Ελληνικά _α_\r\nКириллица _б_").toUtf8());
    EXPECT_FALSE(QFileInfo::exists(lastList("LetzteFrageliste.txt")));

    // A second run finds the list back, whatever its language.
    writeFile(workingDir.filePath(QStringLiteral("de")), "");
    startProgram();
    EXPECT_EQ(text("Memo1"), QStringLiteral("Ελληνικά _α_\nКириллица _б_"));
    EXPECT_TRUE(find<QLabel>("aktuelleliste")->text().startsWith(QStringLiteral("Beispielfragen")));
    EXPECT_FALSE(find<QPushButton>("bt_correct")->isEnabled());

    memo("Memo1")->clear();
    closeAnswering(true);
    EXPECT_EQ(readFile(lastList("LetzteFrageliste.txt")), kSignature);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(LastListTest, ClosingTextsFollowTheLanguageAtClosing)
{
    startProgram();
    trigger("sp1");
    QString heading;
    whenModal([&heading](QWidget* dialog) {
        heading = dialog->findChild<QLabel*>(QStringLiteral("Label18"))->text();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Lernwerk"));
        EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->isChecked());
        EXPECT_FALSE(dialog->findChild<QLabel*>(QStringLiteral("StaticText1"))->isHidden());
        EXPECT_TRUE(dialog->findChild<QLabel*>(QStringLiteral("StaticText2"))->isHidden());
        dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    trigger("p3");
    EXPECT_EQ(heading, QStringLiteral("Zuletzt geöffnete Liste speichern?"));
    EXPECT_TRUE(QFileInfo::exists(lastList("LetzteFrageliste.txt")));
    EXPECT_FALSE(QFileInfo::exists(lastList("LastQuestionnaire.txt")));
}

TEST_F(LastListTest, NotSavingKeepsTheEarlierFile)
{
    writeFile(lastList("LastQuestionnaire.txt"), kSignature + "alt");
    startProgram();
    memo("Memo1")->setPlainText(QStringLiteral("neu"));
    closeAnswering(false);
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(readFile(lastList("LastQuestionnaire.txt")), kSignature + "alt");
}

TEST_F(LastListTest, OnlyOkLeavesTheClosingDialog)
{
    writeFile(lastList("LastQuestionnaire.txt"), kSignature + "alt");
    startProgram();
    mainWindow().show();
    memo("Memo1")->setPlainText(QStringLiteral("neu"));
    bool stillOpen = true;
    whenModal([&](QWidget* dialog) {
        ASSERT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->isChecked());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog, &escape);
        stillOpen = stillOpen && dialog->isVisible();
        QCloseEvent close;
        QApplication::sendEvent(dialog, &close);
        stillOpen = stillOpen && dialog->isVisible() && !close.isAccepted();
        qobject_cast<QDialog*>(dialog)->reject();
        stillOpen = stillOpen && dialog->isVisible() && !program->ended();
        // It is the main window's dialog, above it and minimised with it, and
        // has no minimise or maximise of its own.
        EXPECT_EQ(dialog->windowHandle()->transientParent(), mainWindow().windowHandle());
        EXPECT_FALSE(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        // Should the dialog still go away without its OK, nothing is decided.
        qobject_cast<QDialog*>(dialog)->done(QDialog::Rejected);
    });
    EXPECT_FALSE(mainWindow().close());
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(program->ended());
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_EQ(readFile(lastList("LastQuestionnaire.txt")), kSignature + "alt");

    // The next close asks again, and OK saves and ends.
    closeAnswering(true);
    EXPECT_TRUE(program->ended());
    EXPECT_EQ(readFile(lastList("LastQuestionnaire.txt")), kSignature + "neu");
}

TEST_F(LastListTest, UnwritableProgramFolderKeepsTheDialogOpen)
{
    // A file stands where the folder should be, so the folder cannot be made.
    writeFile(programDir.filePath(QStringLiteral("gone")), "");
    program =
        std::make_unique<Program>(errorReporter(), programDir.filePath(QStringLiteral("gone/")), workingDir.path());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    bool stillOpen = false;
    whenModal([&](QWidget* dialog) {
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Button1"));
        ok->click();
        stillOpen = dialog->isVisible() && !program->ended();
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->setChecked(true);
        ok->click();
    });
    mainWindow().close();
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(program->ended());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors.first(), QStringLiteral("Cannot create folder \"%1\". Not a directory")
                                  .arg(programDir.filePath(QStringLiteral("gone"))));
}

TEST_F(LastListTest, BothFilesPresentTheEnglishOneWins)
{
    writeFile(lastList("LetzteFrageliste.txt"), kSignature + "deutsch");
    writeFile(lastList("LastQuestionnaire.txt"), kSignature + "english\r\nlist");
    writeFile(workingDir.filePath(QStringLiteral("de")), "");
    startProgram();
    EXPECT_EQ(text("Memo1"), QStringLiteral("english\nlist"));
}

TEST_F(LastListTest, AFolderNamedLikeALastListIsNoFile)
{
    ASSERT_TRUE(QDir(programDir.path()).mkdir(QStringLiteral("LetzteFrageliste.txt")));  // a folder: not a file
    writeFile(lastList("LastQuestionnaire.txt"), kSignature + "english");
    startProgram();
    EXPECT_EQ(text("Memo1"), QStringLiteral("english"));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(LastListTest, ActivationRestoresANamedListAndStartsARound)
{
    const QString list = workingDir.filePath(QStringLiteral("vokabeln.txt"));
    writeFile(list, "Hund - _dog_\r\nKatze - _cat_\r\n");
    // The name is relative: it is looked for in the working directory.
    writeFile(lastList("LetzteFrageliste.txt"), kSignature + "vokabeln.txt\r\nmore");
    const QString before = QDir::currentPath();
    QDir::setCurrent(workingDir.path());
    startProgram();
    EXPECT_TRUE(text("Memo1").startsWith(QStringLiteral("vokabeln.txt")));

    handOver();
    QDir::setCurrent(before);

    EXPECT_EQ(find<QLabel>("aktuelleliste")->text(), QStringLiteral("vokabeln.txt"));
    EXPECT_EQ(text("Memo1"), QStringLiteral("Hund - _dog_\nKatze - _cat_"));
    EXPECT_EQ(text("Memo2"), QStringLiteral("0\n0"));
    EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());
    EXPECT_TRUE(text("Memo3").startsWith(QStringLiteral("Restart...")));
}

TEST_F(LastListTest, ReturningFromAReportDialogClearsTheTallies)
{
    startProgram();
    handOver();
    click("Button1");
    click("bt_wrong");
    ASSERT_EQ(mainWindow().roundState().tallies.wrong, 1);

    trigger("m_bug");
    processEvents();
    EXPECT_TRUE(program->englishReport().isVisible());
    EXPECT_FALSE(program->germanReport().isVisible());
    program->englishReport().findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    mainWindow().activateWindow();
    processEvents();
    EXPECT_EQ(mainWindow().roundState().tallies.wrong, 0);
    EXPECT_EQ(mainWindow().roundState().tallies.trials, 0);
    EXPECT_EQ(text("Memo2"), QStringLiteral("0\n0\n0\n0"));
    EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());
}

TEST_F(LastListTest, ReturningFromAModalDialogKeepsTheTallies)
{
    startProgram();
    handOver();
    click("Button1");
    click("bt_wrong");
    bool dialogHadFocus = false;
    whenModal([&dialogHadFocus](QWidget* dialog) {
        QElapsedTimer waited;
        waited.start();
        while (QGuiApplication::focusWindow() != dialog->windowHandle() && waited.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        dialogHadFocus = QGuiApplication::focusWindow() == dialog->windowHandle();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    click("Button2");
    EXPECT_TRUE(dialogHadFocus);
    processEvents();
    EXPECT_EQ(mainWindow().roundState().tallies.wrong, 1);
    EXPECT_EQ(mainWindow().roundState().tallies.trials, 1);
}

}  // namespace
}  // namespace lernwerk::testing
