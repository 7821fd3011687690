#include "program_fixture.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScrollBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QWheelEvent>

#include <algorithm>
#include <functional>

#include "pages/lists_page.h"
#include "widgets/status_column.h"

namespace lernwerk::testing {
namespace {

class ListsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
    }

    // Presses "Load List.." and answers the open dialog with `fileName`, or
    // cancels it when `fileName` is empty.
    void loadThroughDialog(const QString& fileName)
    {
        answerFileDialog(fileName);
        click("Button2");
    }

    QString listName() { return find<QLabel>("aktuelleliste")->text(); }
};

TEST_F(ListsTest, LoadsEveryEncodingAsTheSameList)
{
    const QString lines = QStringLiteral("Grüße _aus_ Köln\n\nzweite _Zeile_");
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"utf8.txt", QByteArray("\xEF\xBB\xBF") + lines.toUtf8().replace("\n", "\r\n")},
        {"utf16.txt",
         QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(lines.utf16()), lines.size() * 2)},
        {"ansi.txt", lines.toLatin1().replace("\n", "\r")},
    };
    for (const auto& file : files) {
        const QString path = workingDir.filePath(QString::fromLatin1(file.name));
        writeFile(path, file.bytes);
        loadThroughDialog(path);
        EXPECT_EQ(text("Memo1"), lines) << file.name;
        EXPECT_EQ(listName(), path);
        EXPECT_EQ(memo("Memo5")->document()->firstBlock().text(), path);
    }
    EXPECT_TRUE(errors.isEmpty());
    // The dialog offers the last name again.
    EXPECT_TRUE(find<QFileDialog>("od")->selectedFiles().value(0).endsWith(QStringLiteral("ansi.txt")));
}

TEST_F(ListsTest, CancelOrMissingFileChangesNothing)
{
    const QString before = text("Memo1");
    const QString name = listName();
    loadThroughDialog(QString());
    EXPECT_EQ(text("Memo1"), before);

    const QString missing = workingDir.filePath(QStringLiteral("fehlt.txt"));
    loadThroughDialog(missing);
    EXPECT_EQ(text("Memo1"), before);
    EXPECT_EQ(listName(), name);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)))
        << errors.first().toStdString();
    EXPECT_EQ(errorCaptions.first(), QStringLiteral("Drillbook - Jorin Malke Studio"));
}

// Another list never runs under the round of the loaded one: once something
// is marked, loading or importing asks first; the round then ends.
TEST_F(ListsTest, AnotherListEndsTheRoundAfterAsking)
{
    const QString path = workingDir.filePath(QStringLiteral("neu.txt"));
    writeFile(path, "a _1_\r\nb _2_\r\n");
    const QString csv = workingDir.filePath(QStringLiteral("neu.csv"));
    writeFile(csv, "Haus;house\nBaum;tree\n");
    const struct {
        const char* name;
        bool marked;
        bool import;
        QMessageBox::StandardButton answer;  // NoButton: nothing is asked
        bool replaced;
    } cases[] = {
        {"nothing marked", false, false, QMessageBox::NoButton, true},
        {"marked, kept", true, false, QMessageBox::No, false},
        {"marked, ended", true, false, QMessageBox::Yes, true},
        {"marked, import kept", true, true, QMessageBox::No, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        memo("Memo1")->setPlainText(QStringLiteral("q0\nq1\nq2"));
        click("Button1");
        if (c.marked)
            click("bt_wrong");
        const QString question = text("frage");
        const QString result = panel(1);
        QString asked;
        if (c.answer != QMessageBox::NoButton)
            whenModal([&asked, answer = c.answer](QWidget* dialog) {
                auto* box = qobject_cast<QMessageBox*>(dialog);
                ASSERT_NE(box, nullptr);
                asked = box->text();
                box->button(answer)->click();
            });
        if (c.import)
            mainWindow().findChild<ListsPage*>()->importFile(csv);
        else
            mainWindow().openListFile(path);
        if (c.answer != QMessageBox::NoButton) {
            EXPECT_EQ(asked, QStringLiteral("A round is in progress (0/3 Correct - 1 Trials - 1 Wrong - 0 Clocked). "
                                            "End it and load the other list?"));
        }
        EXPECT_EQ(text("Memo1"), c.replaced ? QStringLiteral("a _1_\nb _2_\n") : QStringLiteral("q0\nq1\nq2"));
        EXPECT_EQ(find<QPushButton>("bt_correct")->isEnabled(), !c.replaced);
        EXPECT_EQ(panel(1), result);
        if (!c.replaced) {
            EXPECT_EQ(text("frage"), question);
        }
    }
    // The round that ended is in the log, with its result.
    EXPECT_TRUE(text("Memo3").contains(QStringLiteral("0/3 Correct - 1 Trials - 1 Wrong - 0 Clocked")))
        << text("Memo3").toStdString();
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ListsTest, StatusColumnScrollsWithTheList)
{
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("Frage _%1_").arg(i);
    memo("Memo1")->setPlainText(lines.join(QLatin1Char('\n')));
    click("Button1");
    trigger("f3");
    mainWindow().show();
    auto* list = memo("Memo1");
    auto* status = memo("Memo2");
    list->verticalScrollBar()->setValue(120);
    EXPECT_EQ(status->verticalScrollBar()->value(), 120);
    status->verticalScrollBar()->setValue(40);
    EXPECT_EQ(list->verticalScrollBar()->value(), 40);
    EXPECT_EQ(list->verticalScrollBar()->maximum(), status->verticalScrollBar()->maximum());
    EXPECT_EQ(list->font(), status->font());
    EXPECT_TRUE(find<StatusColumn>("Memo2")->isAligned());

    // A column shorter than the list (a list loaded, no restart yet) cannot
    // follow far: it shows no entries rather than entries beside the wrong questions.
    status->setPlainText(QStringLiteral("X\n0"));
    list->verticalScrollBar()->setValue(100);
    EXPECT_FALSE(find<StatusColumn>("Memo2")->isAligned());
    EXPECT_EQ(status->palette().color(QPalette::Text), status->palette().color(QPalette::Base));
    list->verticalScrollBar()->setValue(0);
    EXPECT_TRUE(find<StatusColumn>("Memo2")->isAligned());
    EXPECT_NE(status->palette().color(QPalette::Text), status->palette().color(QPalette::Base));
}

TEST_F(ListsTest, TypedEntriesKeepOneRowBesideTheirQuestions)
{
    // Each case types into entry 110 of a round on 300 questions, the list
    // scrolled to 100: every entry in view must still stand on one row beside
    // its question, whatever the edit did to the widest entry.
    const QString longEntry = QStringLiteral("noch einmal wiederholen, dann ist es sicher");
    const struct {
        const char* name;
        QString typed;
        qsizetype backspaces;
        QString entry;
        bool scrolledSideways;  // to keep the cursor in view
    } cases[] = {
        {"a letter typed and taken back", QStringLiteral("a"), 1, QStringLiteral("0"), false},
        {"a long entry", longEntry, 0, QStringLiteral("0") + longEntry, true},
        {"a long entry shortened again", longEntry, longEntry.size() - 1, QStringLiteral("0n"), false},
    };
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("Frage _%1_").arg(i);
    trigger("f3");
    mainWindow().show();
    auto* list = memo("Memo1");
    auto* status = memo("Memo2");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list->setPlainText(lines.join(QLatin1Char('\n')));
        click("Button1");
        list->verticalScrollBar()->setValue(100);
        QTextCursor cursor(status->document()->findBlockByNumber(110));
        cursor.movePosition(QTextCursor::EndOfBlock);
        status->setTextCursor(cursor);
        status->setFocus();
        auto press = [&](int key, const QString& text) {
            QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(status, &down);
            QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
            QApplication::sendEvent(status, &up);
            QApplication::processEvents();
        };
        for (QChar letter : c.typed)
            press(letter.unicode(), QString(letter));
        for (qsizetype i = 0; i < c.backspaces; ++i)
            press(Qt::Key_Backspace, QString());

        EXPECT_EQ(status->document()->findBlockByNumber(110).text(), c.entry);
        EXPECT_EQ(status->document()->lineCount(), 300);
        EXPECT_EQ(status->horizontalScrollBar()->value() > 0, c.scrolledSideways);
        EXPECT_EQ(status->verticalScrollBar()->value(), 100);
        EXPECT_EQ(list->verticalScrollBar()->value(), 100);
        for (int line = 100; line < 130; ++line) {
            const int entryTop = status->cursorRect(QTextCursor(status->document()->findBlockByNumber(line))).top();
            const int questionTop = list->cursorRect(QTextCursor(list->document()->findBlockByNumber(line))).top();
            EXPECT_EQ(entryTop, questionTop) << "line " << line;
        }
    }
}

// Every way of scrolling either field, driven by real events: afterwards each
// entry in view stands beside its question.
TEST_F(ListsTest, StatusColumnStaysBesideItsQuestionsHoweverEitherFieldScrolls)
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("Frage _%1_").arg(i);
    trigger("f3");
    mainWindow().show();
    auto* list = memo("Memo1");
    auto* status = memo("Memo2");
    list->setPlainText(lines.join(QLatin1Char('\n')));
    click("Button1");
    QApplication::processEvents();

    auto press = [](QWidget* field, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = {}) {
        field->setFocus();
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(field, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(field, &up);
        QApplication::processEvents();
    };
    auto wheel = [](QPlainTextEdit* field, int steps) {
        const QPointF at(field->viewport()->width() / 2.0, field->viewport()->height() / 2.0);
        QWheelEvent event(at, field->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120 * steps), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(field->viewport(), &event);
        QApplication::processEvents();
    };
    const struct {
        const char* name;
        std::function<void()> scroll;
        bool moves;  // the list's view moves away from where the step before left it
    } steps[] = {
        {"Ctrl+End in the list", [&] { press(list, Qt::Key_End, Qt::ControlModifier); }, true},
        {"Ctrl+Home in the list", [&] { press(list, Qt::Key_Home, Qt::ControlModifier); }, true},
        {"Page Down in the list", [&] { press(list, Qt::Key_PageDown); }, true},
        {"arrow keys in the list",
         [&] {
             for (int i = 0; i < 30; ++i)
                 press(list, Qt::Key_Up);
         },
         true},
        {"typing past the bottom",
         [&] {
             press(list, Qt::Key_End, Qt::ControlModifier);
             for (int i = 0; i < 3; ++i)
                 press(list, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
             press(status, Qt::Key_End, Qt::ControlModifier);
             for (int i = 0; i < 3; ++i)
                 press(status, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
         },
         true},
        {"undo in the list", [&] { press(list, Qt::Key_Z, Qt::ControlModifier); }, false},
        {"Ctrl+Home in the column", [&] { press(status, Qt::Key_Home, Qt::ControlModifier); }, true},
        {"Ctrl+End in the column", [&] { press(status, Qt::Key_End, Qt::ControlModifier); }, true},
        {"undo and redo in the column",
         [&] {
             press(status, Qt::Key_Home, Qt::ControlModifier);
             press(status, Qt::Key_Z, Qt::ControlModifier);
             press(status, Qt::Key_Home, Qt::ControlModifier);
             press(status, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
         },
         false},
        {"wheel on the list", [&] { wheel(list, -5); }, true},
        {"wheel on the column", [&] { wheel(status, 2); }, true},
        {"the list's scroll bar", [&] { list->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum); },
         true},
        {"a smaller window",
         [&] {
             press(list, Qt::Key_End, Qt::ControlModifier);
             mainWindow().resize(mainWindow().width(), mainWindow().height() - 120);
             QApplication::processEvents();
         },
         true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        const int before = list->verticalScrollBar()->value();
        step.scroll();
        if (step.moves) {
            EXPECT_NE(list->verticalScrollBar()->value(), before);
        }
        EXPECT_EQ(status->verticalScrollBar()->value(), list->verticalScrollBar()->value());
        const int first = list->verticalScrollBar()->value();
        for (int line = first; line < std::min(first + 10, list->document()->blockCount()); ++line) {
            const int entryTop = status->cursorRect(QTextCursor(status->document()->findBlockByNumber(line))).top();
            const int questionTop = list->cursorRect(QTextCursor(list->document()->findBlockByNumber(line))).top();
            EXPECT_EQ(entryTop, questionTop) << "line " << line;
        }
    }
}

}  // namespace
}  // namespace lernwerk::testing
