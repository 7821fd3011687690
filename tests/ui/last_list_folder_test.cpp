#include "desktop/last_list_files.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include "program_fixture.h"

namespace lernwerk::testing {
namespace {

TEST(LastListFolder, BesideTheProgramUnlessInstalledUnderUsrOrOpt)
{
    const QString data = QStringLiteral("/home/anna/.local/share");
    const struct {
        const char* programDir;
        const char* folder;
    } rules[] = {
        {"/usr/bin", "/home/anna/.local/share/lernwerk/"},
        {"/usr/local/bin/", "/home/anna/.local/share/lernwerk/"},
        {"/opt/lernwerk/bin", "/home/anna/.local/share/lernwerk/"},
        {"/usr", "/home/anna/.local/share/lernwerk/"},
        {"/home/anna/lernwerk/build/app", "/home/anna/lernwerk/build/app/"},
        {"/home/anna/Downloads/lernwerk/", "/home/anna/Downloads/lernwerk/"},
        {"/home/anna/opt/lernwerk", "/home/anna/opt/lernwerk/"},
        {"/usrdata/lernwerk", "/usrdata/lernwerk/"},
        {"/optional/lernwerk", "/optional/lernwerk/"},
        {"/srv/usr/bin", "/srv/usr/bin/"},
    };
    for (const auto& rule : rules) {
        EXPECT_EQ(lastListFolder(QString::fromLatin1(rule.programDir), data), QString::fromLatin1(rule.folder))
            << rule.programDir;
    }
    // A data folder given with a separator, and none at all (no home): then beside the program,
    // where a save fails with a message rather than writing to "/lernwerk/".
    EXPECT_EQ(lastListFolder(QStringLiteral("/usr/bin"), QStringLiteral("/data/")), QStringLiteral("/data/lernwerk/"));
    EXPECT_EQ(lastListFolder(QStringLiteral("/usr/bin"), QString()), QStringLiteral("/usr/bin/"));
}

TEST(LastListFolder, UserDataFolderFollowsTheXdgRules)
{
    const struct {
        const char* xdgDataHome;
        const char* home;
        const char* accountHome;
        const char* folder;
    } rules[] = {
        {"/data", "/home/anna", "/home/anna", "/data"},
        {"/data/", "/home/anna", "/home/anna", "/data"},
        {"", "/home/anna", "/home/konto", "/home/anna/.local/share"},
        {"daten", "/home/anna", "/home/konto", "/home/anna/.local/share"},  // relative: ignored
        {"./daten", "", "/home/konto", "/home/konto/.local/share"},
        {"", "", "/home/konto", "/home/konto/.local/share"},      // HOME unset: the account's home
        {"", "anna", "/home/konto", "/home/konto/.local/share"},  // HOME relative
        {"", "", "", ""},
    };
    for (const auto& rule : rules) {
        EXPECT_EQ(userDataFolder(QString::fromLatin1(rule.xdgDataHome), QString::fromLatin1(rule.home),
                                 QString::fromLatin1(rule.accountHome)),
                  QString::fromLatin1(rule.folder))
            << rule.xdgDataHome << " | " << rule.home << " | " << rule.accountHome;
    }
}

// Every save (the editor's, Save Missed, the import) asks whether its target is
// a kept file; a link leads where the save would write, also before its target exists.
TEST(LastListFolder, KeptFilesAreFoundThroughLinksThatLeadNowhereYet)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const auto link = [&](const char* target, const char* name) {
        ASSERT_TRUE(QFile::link(QString::fromLatin1(target), at(name))) << name;
    };
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("kept/lists")));
    const QStringList kept = keptFiles(at("kept"));
    link((dir.path() + QStringLiteral("/kept/progress.sqlite-wal")).toUtf8().constData(), "absolute");
    link("kept/progress.sqlite-shm", "relative");
    link("relative", "chain");
    link("kept", "folder");
    link("../LastQuestionnaire.txt", "kept/lists/up");
    link("folder/lists/up", "through-folder");
    link("loop-b", "loop-a");
    link("loop-a", "loop-b");
    link("kept/other.txt", "elsewhere");
    const struct {
        const char* name;
        bool kept;
    } targets[] = {
        {"kept/progress.sqlite", true},
        {"kept/LetzteFrageliste.txt", true},
        {"absolute", true},
        {"relative", true},
        {"chain", true},
        {"through-folder", true},
        {"folder/progress.sqlite", true},
        {"elsewhere", false},
        {"loop-a", false},
        {"kept/other.txt", false},
    };
    for (const auto& target : targets)
        EXPECT_EQ(isOneOf(at(target.name), kept), target.kept) << target.name;
}

class LastListFolderProgramTest : public ProgramTest {};

TEST_F(LastListFolderProgramTest, FolderIsMadeByTheFirstSaveNotAtStart)
{
    const QString folder = programDir.filePath(QStringLiteral("share/lernwerk")) + QLatin1Char('/');
    program = std::make_unique<Program>(errorReporter(), folder, workingDir.path());
    startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    EXPECT_FALSE(QFileInfo::exists(folder));

    memo("Memo1")->setPlainText(QStringLiteral("Die Hauptstadt von Peru ist _Lima_."));
    QString explanation;
    whenModal([&explanation](QWidget* dialog) {
        explanation = dialog->findChild<QLabel*>(QStringLiteral("StaticText2"))->text();
        dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    mainWindow().close();

    EXPECT_TRUE(program->ended());
    // The dialog said where the list goes: not beside the program.
    EXPECT_TRUE(
        explanation.endsWith(QStringLiteral("will be written in the folder \"") + folder + QStringLiteral("\".")))
        << explanation.toStdString();
    EXPECT_EQ(readFile(folder + QStringLiteral("LastQuestionnaire.txt")),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("Die Hauptstadt von Peru ist _Lima_.").toUtf8());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace lernwerk::testing
