#include "program_fixture.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>

#include "desktop/speaker.h"
#include "pages/editor_page.h"
#include "pages/editor_rules.h"

namespace lernwerk::testing {
namespace {

struct PairCase {
    const char* name;
    std::vector<std::u16string> input;
    bool askFirst;
    bool askSecond;
    std::vector<std::u16string> output;
    std::size_t skipped;  // lines with text but no separator
};

class BuildQuestionLines : public ::testing::TestWithParam<PairCase> {};

TEST_P(BuildQuestionLines, AsksForOnePartPerLine)
{
    EXPECT_EQ(buildQuestionLines(GetParam().input, GetParam().askFirst, GetParam().askSecond), GetParam().output);
    EXPECT_EQ(linesWithoutSeparator(GetParam().input), GetParam().skipped);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, BuildQuestionLines,
    ::testing::Values(PairCase{"both_parts", {u"Hund - dog"}, true, true, {u"dog - _Hund_", u"Hund - _dog_"}, 0},
                      PairCase{"first_split_wins", {u"a - b - c"}, true, true, {u"b - c - _a_", u"a - _b - c_"}, 0},
                      PairCase{"empty_first_part", {u" - x"}, true, false, {u"x - __"}, 0},
                      PairCase{
                          "empty_and_unpaired_lines_give_nothing", {u"", u"no pair here", u"   "}, true, true, {}, 2},
                      PairCase{"hyphen_without_spaces_is_no_pair", {u"a-b", u"a -b"}, true, true, {}, 2},
                      PairCase{"neither_box", {u"Hund - dog"}, false, false, {}, 0},
                      PairCase{"nothing_trimmed", {u" a  -  b "}, false, true, {u" a  - _ b _"}, 0}),
    [](const ::testing::TestParamInfo<PairCase>& param_info) { return std::string(param_info.param.name); });

TEST(NeedsUnicodeFile, OnlyUnitsFromU0100Up)
{
    EXPECT_FALSE(needsUnicodeFile(u"äöüß ÿ"));
    EXPECT_TRUE(needsUnicodeFile(u"5 €"));
    EXPECT_TRUE(needsUnicodeFile(u"\U0001F600"));
}

// The editor page on its own, through its slots and signals: what it hands
// over and that it asks to be closed.
TEST(EditorPage, HandsOverItsOutputAndAsksToClose)
{
    ErrorReporter errors;
    Speaker speaker;
    EditorPage editor(errors, speaker);
    editor.retranslate(Language::English);
    QStringList handedLines;
    QString handedName;
    int closeRequests = 0;
    QObject::connect(&editor, &EditorPage::listHandedOver, [&](const QStringList& lines, const QString& name) {
        handedLines = lines;
        handedName = name;
    });
    QObject::connect(&editor, &EditorPage::closeRequested, [&] { ++closeRequests; });

    editor.buildList();
    editor.handOverList();
    EXPECT_EQ(
        handedLines,
        (QStringList{QStringLiteral("Answer One - _Question One_"), QStringLiteral("Question One - _Answer One_"),
                     QStringLiteral("Element Two - _Element One_"), QStringLiteral("Element One - _Element Two_")}));
    EXPECT_EQ(handedName, QStringLiteral("Fragenliste aus dem Editor"));
    editor.closeEditor();
    EXPECT_EQ(closeRequests, 1);
}

class EditorTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        writeFile(workingDir.filePath(QStringLiteral("de")), "");
        startProgram();
        trigger("p2");
    }
};

// "Save" never writes over the loaded list or a file the program keeps, by any name.
TEST_F(EditorTest, SaveRefusesTheLoadedListAndTheKeptFiles)
{
    const QString loaded = workingDir.filePath(QStringLiteral("liste.txt"));
    writeFile(loaded, "a _1_\r\n");
    mainWindow().openListFile(loaded);
    trigger("p2");
    click("Button7");
    const struct {
        QString target;
        QString refusal;  // the start of the message; empty: saved
    } cases[] = {
        {loaded, QStringLiteral("%1 ist eine Fragenliste").arg(loaded)},
        {programFolder() + QStringLiteral("progress.sqlite-wal"),
         QStringLiteral("In %1 merkt sich das Programm").arg(programFolder() + QStringLiteral("progress.sqlite-wal"))},
        {workingDir.filePath(QStringLiteral("neu.txt")), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        errors.clear();
        answerFileDialog(c.target);
        click("Button11");
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('|')).toStdString();
        } else {
            ASSERT_EQ(errors.size(), 1);
            EXPECT_TRUE(errors.first().startsWith(c.refusal)) << errors.first().toStdString();
        }
    }
    EXPECT_EQ(readFile(loaded), QByteArray("a _1_\r\n"));
    EXPECT_TRUE(QFileInfo::exists(workingDir.filePath(QStringLiteral("neu.txt"))));
}

TEST_F(EditorTest, ExampleInputBuildsFourLinesAndAppendsAgain)
{
    click("Button7");
    const QString once = QStringLiteral(
        "Beispielantwort Zwei - _Beispielfrage Eins_\nBeispielfrage Eins - _Beispielantwort Zwei_\n"
        "Element Zwei - _Element Eins_\nElement Eins - _Element Zwei_");
    EXPECT_EQ(text("m2"), once);
    click("Button7");
    EXPECT_EQ(text("m2"), once + QLatin1Char('\n') + once);
    click("Button8");
    click("Button10");
    EXPECT_TRUE(text("m1").isEmpty());
    EXPECT_TRUE(text("m2").isEmpty());
}

// "Liste Erstellen" shows and says how many questions it made and how many
// lines it left out, in the interface language.
TEST_F(EditorTest, CreateListTellsWhatItMade)
{
    // A screen reader hears what the window with the focus says.
    mainWindow().show();
    QApplication::setActiveWindow(&mainWindow());
    QStringList spoken;
    QObject::connect(mainWindow().findChild<Speaker*>(), &Speaker::spoken,
                     [&spoken](const QString& said, QWidget*) { spoken << said; });
    const struct {
        const char* input;
        bool askSecond;
        bool german;
        const char* told;
    } cases[] = {
        {"Hund - dog\nKatze - cat", true, true, "4 Fragen erstellt"},
        {"Hund - dog\nkein Paar\n\nHund-dog", true, true, "2 Fragen erstellt, 2 Zeilen ohne \" - \" übersprungen"},
        {"Hund - dog\nno pair", false, false, "1 question made, 1 line without \" - \" skipped"},
        {"no pair\nnone either", true, false, "0 questions made, 2 lines without \" - \" skipped"},
        {"a - b\nc - d\ne - f\nno pair", true, false, "6 questions made, 1 line without \" - \" skipped"},
    };
    for (const auto& each : cases) {
        trigger(each.german ? "sp1" : "sp2");
        trigger("p2");
        memo("m1")->setPlainText(QString::fromUtf8(each.input));
        find<QCheckBox>("cbt2")->setChecked(each.askSecond);
        find("Button7")->setFocus();
        spoken.clear();
        click("Button7");
        EXPECT_EQ(find<QLabel>("buildResult")->text(), QString::fromUtf8(each.told)) << each.input;
        EXPECT_EQ(spoken, QStringList{QString::fromUtf8(each.told)}) << each.input;
    }
}

TEST_F(EditorTest, HandOverStartsARoundOnTheOutput)
{
    find<QCheckBox>("cbt2")->setChecked(false);
    click("Button7");
    trigger("sp2");  // the hand-over's list name is the same in both languages
    trigger("p2");
    click("Button13");
    EXPECT_EQ(text("Memo1"), text("m2"));
    EXPECT_EQ(find<QLabel>("aktuelleliste")->text(), QStringLiteral("Fragenliste aus dem Editor"));
    EXPECT_EQ(text("Memo2"), QStringLiteral("0\n0"));
    EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());
    EXPECT_FALSE(text("m2").isEmpty());
}

TEST_F(EditorTest, SavesAnsiUnlessACharacterNeedsUnicode)
{
    const QString path = workingDir.filePath(QStringLiteral("liste.txt"));
    memo("m2")->setPlainText(QStringLiteral("Grüße - _Maß_\nzwei"));
    answerFileDialog(path);
    click("Button11");
    EXPECT_EQ(readFile(path), QByteArray("Gr\xFC\xDF"
                                         "e - _Ma\xDF_\r\nzwei"));

    memo("m2")->setPlainText(QStringLiteral("5 €"));
    answerFileDialog(path);
    click("Button11");
    EXPECT_EQ(readFile(path), QByteArray("\xEF\xBB\xBF"
                                         "5 \xE2\x82\xAC"));

    memo("m2")->clear();
    answerFileDialog(path);
    click("Button11");
    EXPECT_EQ(readFile(path), QByteArray());

    // Loading the input back replaces it.
    writeFile(path, "a - b\r\nc - d");
    answerFileDialog(path);
    click("Button9");
    EXPECT_EQ(text("m1"), QStringLiteral("a - b\nc - d"));
    EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace lernwerk::testing
