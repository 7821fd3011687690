#include "program_fixture.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextLayout>

#include "textfile/encodings.h"
#include "textfile/text_file_codec.h"
#include "widgets/status_column.h"
#include "widgets/text_field.h"

namespace lernwerk::testing {
namespace {

// Writes `text` as the program writes a list file at closing: UTF-8 with signature.
QByteArray writeListFile(const QString& path, const std::u16string& text)
{
    EXPECT_TRUE(textfile::WriteTextFile(text, path.toStdU16String(), textfile::kUtf8, true));
    EXPECT_EQ(textfile::ReadTextFile(path.toStdU16String()), text);  // the file holds every character
    return readFile(path);
}

void press(QWidget* field, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(field, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(field, &up);
}

// Pastes `text` as a line of its own at the end of the field, as a user does.
void pasteLineAtEnd(QPlainTextEdit* field, const QString& text)
{
    field->moveCursor(QTextCursor::End);
    press(field, Qt::Key_Return);
    QApplication::clipboard()->setText(text);
    press(field, Qt::Key_V, Qt::ControlModifier);
}

class ExactTextTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        writeFile(workingDir.filePath(QStringLiteral("de")), "");
        startProgram();
    }

    void closeSavingTheList()
    {
        whenModal([](QWidget* dialog) {
            dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->setChecked(true);
            dialog->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        });
        mainWindow().close();
        ASSERT_TRUE(program->ended());
    }

    QString lastList() { return programDir.filePath(QStringLiteral("LetzteFrageliste.txt")); }
};

TEST_F(ExactTextTest, EveryCharacterOfALineReachesTheFileUnchanged)
{
    struct Line {
        const char* name;
        std::u16string text;
    };
    // Lines whose characters a text document holds as they are...
    const std::vector<Line> plain = {
        {"no-break space", u"Hund\u00A0- _dog_"},
        {"zero-width joiner and pairs", u"\U0001F469\u200D\U0001F52C"},
        {"soft hyphen", u"Donau\u00ADdampf\u00ADschiff"},
        {"signature inside a line", u"a\uFEFFb"},
        {"above U+FFFF", u"\U0001D11E _Notenschl\u00FCssel_"},
        {"tabs", u"\tlinks\trechts\t"},
    };
    // ...and lines with characters that a document would take as breaks.
    std::vector<Line> breaking = plain;
    breaking.push_back({"paragraph separator", u"eins\u2029zwei"});
    breaking.push_back({"frame marks", u"\uFDD0x\uFDD1"});
    breaking.push_back({"replacement characters beside a separator", u"\uFFFD\u2029\uFFFD"});
    // A line separator cannot come from a file (it breaks the line there);
    // pasted into a line it stays a character of that line.
    const std::u16string pasted = u"Zeilen\u2028trenner";

    for (const std::vector<Line>* lines : {&plain, static_cast<const std::vector<Line>*>(&breaking)}) {
        SCOPED_TRACE(lines == &plain ? "plain lines" : "lines with breaking characters");
        std::u16string fileText;
        for (const Line& line : *lines)
            fileText += (fileText.empty() ? u"" : u"\r\n") + line.text;
        // What each way of saving must write: the file's bytes, one line longer.
        const QString path = workingDir.filePath(QStringLiteral("liste.txt"));
        const QByteArray expected = writeListFile(path, fileText + u"\r\n" + pasted);
        writeListFile(path, fileText);

        const auto expectSame = [&](const QByteArray& saved, const char* way) {
            SCOPED_TRACE(way);
            EXPECT_EQ(saved, expected);
            if (saved == expected)
                return;
            // Which line changed.
            const QList<QByteArray> savedLines = saved.split('\n');
            const QList<QByteArray> expectedLines = expected.split('\n');
            for (std::size_t i = 0; i < std::min<std::size_t>(savedLines.size(), expectedLines.size()); ++i)
                EXPECT_EQ(savedLines[static_cast<qsizetype>(i)], expectedLines[static_cast<qsizetype>(i)])
                    << (i < lines->size() ? (*lines)[i].name : "pasted");
        };
        const auto expectOneBlockPerLine = [&](const char* name) {
            EXPECT_EQ(fieldLines(*memo(name)).size(), lines->size() + 1) << name;
            // The pasted line takes one row, as every line does.
            const QTextBlock last = memo(name)->document()->lastBlock();
            memo(name)->document()->documentLayout()->blockBoundingRect(last);
            EXPECT_EQ(last.layout()->lineCount(), 1) << name;
        };

        // The editor's output field, saved and handed over.
        startProgram();
        LoadTextLines(path.toStdU16String(), *memo("m2"));
        pasteLineAtEnd(memo("m2"), QString::fromStdU16String(pasted));
        expectOneBlockPerLine("m2");
        const QString saved = workingDir.filePath(QStringLiteral("ausgabe.txt"));
        answerFileDialog(saved);
        click("Button11");
        expectSame(readFile(saved), "editor save");

        click("Button13");
        expectOneBlockPerLine("Memo1");
        EXPECT_EQ(text("Memo2").count(QLatin1Char('0')), static_cast<qsizetype>(lines->size() + 1));
        closeSavingTheList();
        expectSame(readFile(lastList()), "hand-over, then closing");

        // A list loaded on the lists page and saved at closing.
        startProgram();
        answerFileDialog(path);
        click("Button2");
        pasteLineAtEnd(memo("Memo1"), QString::fromStdU16String(pasted));
        expectOneBlockPerLine("Memo1");
        // Undo takes the paste back with its stand-in; redo brings both.
        press(memo("Memo1"), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(fieldLines(*memo("Memo1")).back(), u"");
        press(memo("Memo1"), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        expectOneBlockPerLine("Memo1");
        closeSavingTheList();
        expectSame(readFile(lastList()), "list saved at closing");
    }
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ExactTextTest, ShiftEnterBreaksTheLineInEveryListField)
{
    trigger("p2");  // the editor page
    for (const char* name : {"Memo1", "Memo2", "m1", "m2"}) {
        for (const Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::ShiftModifier | Qt::KeypadModifier}) {
            const int key = modifiers & Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
            SCOPED_TRACE(std::string(name) + (key == Qt::Key_Enter ? " keypad" : ""));
            QPlainTextEdit* field = memo(name);
            field->setPlainText(QStringLiteral("ab"));
            QTextCursor between(field->document());
            between.setPosition(1);
            field->setTextCursor(between);
            press(field, key, modifiers, QStringLiteral("\r"));
            EXPECT_EQ(fieldLines(*field), (std::vector<std::u16string>{u"a", u"b"}));
        }
    }
}

TEST_F(ExactTextTest, UndoAfterALanguageSwitchGivesTheListBack)
{
    // A list with a paragraph separator in a line, one more line typed.
    const QString path = workingDir.filePath(QStringLiteral("liste.txt"));
    writeListFile(path, u"eins\u2029zwei\r\ndrei");
    answerFileDialog(path);
    click("Button2");
    QPlainTextEdit* list = memo("Memo1");
    list->moveCursor(QTextCursor::End);
    press(list, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    for (const QChar typed : QStringLiteral("vier\u00A0_f\u00FCnf_"))
        press(list, 0, Qt::NoModifier, QString(typed));
    const std::vector<std::u16string> users = {u"eins\u2029zwei", u"drei", u"vier\u00A0_f\u00FCnf_"};
    ASSERT_EQ(fieldLines(*list), users);

    trigger("sp2");
    EXPECT_TRUE(text("Memo1").startsWith(QStringLiteral("_Blue_, _Yellow_ and _Red_")));
    press(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(fieldLines(*list), users);
    EXPECT_EQ(fieldText(*list), u"eins\u2029zwei\r\ndrei\r\nvier\u00A0_f\u00FCnf_");
    EXPECT_TRUE(find<StatusColumn>("Memo2")->isAligned());

    press(list, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo
    EXPECT_TRUE(text("Memo1").startsWith(QStringLiteral("_Blue_, _Yellow_ and _Red_")));
}

}  // namespace
}  // namespace lernwerk::testing
