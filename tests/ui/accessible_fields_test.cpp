// What a screen reader finds in the fields and pages: each field's text
// tells its language, the text interface reads and edits as the field does,
// and every control that takes the focus has a name.

#include "program_fixture.h"

#include <QAccessible>
#include <QFileDialog>
#include <QIntValidator>
#include <QLineEdit>

#include <cstring>
#include <vector>

#include "widgets/line_field_accessible.h"
#include "widgets/page_control.h"

namespace lernwerk::testing {
namespace {

using AccessibleFieldsTest = ProgramTest;

QString languageOf(QWidget* field)
{
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(field)->textInterface();
    int start = -1;
    int end = -1;
    const QStringList attributes = text->attributes(0, &start, &end).split(u';', Qt::SkipEmptyParts);
    for (const QString& attribute : attributes) {
        if (attribute.startsWith(QLatin1String("language:")))
            return attribute.mid(9);
    }
    return {};
}

// The round's fields, the log, the list and the editor's fields report the
// interface language as their text's language, and follow its switch.
TEST_F(AccessibleFieldsTest, FieldsTellTheInterfaceLanguage)
{
    startProgram();
    const char* fields[] = {"frage", "antwort", "loesung", "Memo1", "Memo2", "Memo3", "m1", "m2"};
    for (const auto& [choice, tag] : {std::pair{"sp2", "en"}, std::pair{"sp1", "de"}}) {
        trigger(choice);
        for (const char* name : fields)
            EXPECT_EQ(languageOf(memo(name)), QLatin1String(tag)) << name;
    }
}

// The text interface reads lines, moves the caret and edits as the field
// does; a field the user cannot edit is not edited through it either.
TEST_F(AccessibleFieldsTest, TheTextInterfaceWorksOnTheFieldsLines)
{
    startProgram();
    QPlainTextEdit* field = memo("antwort");
    field->setPlainText(QStringLiteral("eins zwei\ndrei"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    QAccessibleTextInterface* text = accessible->textInterface();
    QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_NE(editable, nullptr);

    int start = -1;
    int end = -1;
    EXPECT_EQ(text->characterCount(), 14);
    EXPECT_EQ(text->text(0, -1), QStringLiteral("eins zwei\ndrei"));
    EXPECT_EQ(text->textAtOffset(11, QAccessible::LineBoundary, &start, &end), QStringLiteral("drei"));
    EXPECT_EQ(std::pair(start, end), std::pair(10, 14));
    EXPECT_EQ(text->textBeforeOffset(11, QAccessible::LineBoundary, &start, &end), QStringLiteral("eins zwei"));
    EXPECT_EQ(text->attributes(14, &start, &end).isEmpty(), false);
    EXPECT_EQ(std::pair(start, end), std::pair(0, 14));
    text->setCursorPosition(5);
    EXPECT_EQ(field->textCursor().position(), 5);

    editable->replaceText(5, 9, QStringLiteral("drei"));
    editable->deleteText(0, 5);
    editable->insertText(4, QStringLiteral("!"));
    EXPECT_EQ(field->toPlainText(), QStringLiteral("drei!\ndrei"));
    field->setReadOnly(true);
    editable->insertText(0, QStringLiteral("x"));
    accessible->setText(QAccessible::Value, QStringLiteral("y"));
    EXPECT_EQ(field->toPlainText(), QStringLiteral("drei!\ndrei"));
    EXPECT_TRUE(accessible->state().readOnly);
}

// The question field reads each gap as a word in the interface language,
// while it shows the underscores; the caret moves between the two.
TEST_F(AccessibleFieldsTest, TheQuestionReadsItsGapsAsWords)
{
    startProgram();
    trigger("sp2");
    QPlainTextEdit* field = memo("frage");
    field->setPlainText(QStringLiteral("Rom ist in _____.\nEins_____drei"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(field)->textInterface();
    int start = -1;
    int end = -1;
    EXPECT_EQ(text->text(0, -1), QStringLiteral("Rom ist in gap.\nEins gap drei"));
    EXPECT_EQ(text->characterCount(), 29);
    EXPECT_EQ(text->textAtOffset(20, QAccessible::LineBoundary, &start, &end), QStringLiteral("Eins gap drei"));
    EXPECT_EQ(std::pair(start, end), std::pair(16, 29));
    // The caret after the first gap, at its full stop, is there in both.
    field->moveCursor(QTextCursor::Start);
    field->moveCursor(QTextCursor::NextCharacter);
    for (int i = 0; i < 15; ++i)
        field->moveCursor(QTextCursor::NextCharacter);
    EXPECT_EQ(text->cursorPosition(), 14);
    text->setCursorPosition(25);
    EXPECT_EQ(field->textCursor().position(), 27);
    // The language switch shows the first steps again; a question after it has German gaps.
    trigger("sp1");
    field->setPlainText(QStringLiteral("Rom ist in _____.\nEins_____drei"));
    EXPECT_EQ(text->text(0, 17), QStringLiteral("Rom ist in Lücke."));
    EXPECT_EQ(field->toPlainText(), QStringLiteral("Rom ist in _____.\nEins_____drei"));
}

// Every control of every page that a screen reader is told can take the
// focus has a name; the page control takes no focus of its own beside its
// tab row.
TEST_F(AccessibleFieldsTest, EveryFocusableControlOfEveryPageIsNamed)
{
    startProgram();
    mainWindow().show();
    auto* pages = find<PageControl>("blatt");
    // The progress page draws its plots when it is first opened.
    trigger("fProgress");
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(pages)->state().focusable);
    for (int index = 0; index < pages->count(); ++index) {
        QWidget* page = pages->widget(index);
        pages->setPageVisible(page, true);
        pages->selectPage(page);
        QStringList unnamed;
        std::function<void(QAccessibleInterface*, const QString&)> walk = [&](QAccessibleInterface* object,
                                                                              const QString& path) {
            const QAccessible::State state = object->state();
            if (state.focusable && !state.invisible && object->text(QAccessible::Name).isEmpty())
                unnamed << path + QLatin1Char('/') + (object->object() ? object->object()->objectName() : QString());
            for (int child = 0; child < object->childCount(); ++child) {
                if (QAccessibleInterface* each = object->child(child))
                    walk(each, path + QLatin1Char('/') + QString::number(child));
            }
        };
        walk(QAccessible::queryAccessibleInterface(page), page->objectName());
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u' ').toStdString();
    }
}

using BoundaryQuery = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;

// One answer of a boundary query as "start,end:text", or "-" for none.
QString ask(QAccessibleTextInterface* text, BoundaryQuery query, int offset, QAccessible::TextBoundaryType type)
{
    int start = -9;
    int end = -9;
    const QString item = (text->*query)(offset, type, &start, &end);
    if (start == -1 && end == -1 && item.isEmpty())
        return QStringLiteral("-");
    return QStringLiteral("%1,%2:%3").arg(start).arg(end).arg(item);
}

// A text, the boundary types that answer alike in it, and the answers before,
// at and after the offsets 0, the middle, length - 1, length and length + 1.
struct BoundaryRow {
    QString text;
    std::vector<QAccessible::TextBoundaryType> types;
    const char* before;
    const char* at;
    const char* after;
    QLineEdit::EchoMode echo = QLineEdit::Normal;
};

constexpr auto kChar = QAccessible::CharBoundary;
constexpr auto kWord = QAccessible::WordBoundary;
constexpr auto kSentence = QAccessible::SentenceBoundary;
const std::vector<QAccessible::TextBoundaryType> kLines = {QAccessible::ParagraphBoundary, QAccessible::LineBoundary,
                                                           QAccessible::NoBoundary};
const std::vector<QAccessible::TextBoundaryType> kAll = {
    kChar, kWord, kSentence, QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
constexpr const char* kNone = "- | - | - | - | -";

const BoundaryRow kBoundaryRows[] = {
    {QStringLiteral(""), kAll, kNone, kNone, kNone},
    {QStringLiteral("abc"),
     {kChar},
     "- | 0,1:a | 1,2:b | 2,3:c | -",
     "0,1:a | 1,2:b | 2,3:c | - | -",
     "1,2:b | 2,3:c | - | - | -"},
    {QStringLiteral("abc"),
     {kWord, kSentence},
     "- | -1,0: | -1,0: | 0,3:abc | -",
     "0,3:abc | 0,3:abc | 0,3:abc | 0,3:abc | -",
     kNone},
    {QStringLiteral("abc"), kLines, kNone, "0,3:abc | 0,3:abc | 0,3:abc | 0,3:abc | -", kNone},
    {QStringLiteral("abc "),
     {kChar},
     "- | 1,2:b | 2,3:c | 3,4:  | -",
     "0,1:a | 2,3:c | 3,4:  | - | -",
     "1,2:b | 3,4:  | - | - | -"},
    {QStringLiteral("abc "),
     {kWord},
     "- | -1,0: | 0,3:abc | 0,3:abc | -",
     "0,3:abc | 0,3:abc | 3,4:  | 3,4:  | -",
     "3,4:  | 3,4:  | - | - | -"},
    {QStringLiteral("abc "),
     {kSentence},
     "- | -1,0: | -1,0: | 0,4:abc  | -",
     "0,4:abc  | 0,4:abc  | 0,4:abc  | 0,4:abc  | -",
     kNone},
    {QStringLiteral("abc "), kLines, kNone, "0,4:abc  | 0,4:abc  | 0,4:abc  | 0,4:abc  | -", kNone},
    {QStringLiteral("Hallo Welt"),
     {kChar},
     "- | 4,5:o | 8,9:l | 9,10:t | -",
     "0,1:H | 5,6:  | 9,10:t | - | -",
     "1,2:a | 6,7:W | - | - | -"},
    {QStringLiteral("Hallo Welt"),
     {kWord},
     "- | 0,5:Hallo | 5,6:  | 6,10:Welt | -",
     "0,5:Hallo | 5,6:  | 6,10:Welt | 6,10:Welt | -",
     "5,6:  | 6,10:Welt | - | - | -"},
    {QStringLiteral("Hallo Welt"),
     {kSentence},
     "- | -1,0: | -1,0: | 0,10:Hallo Welt | -",
     "0,10:Hallo Welt | 0,10:Hallo Welt | 0,10:Hallo Welt | 0,10:Hallo Welt | -",
     kNone},
    {QStringLiteral("Hallo Welt"), kLines, kNone,
     "0,10:Hallo Welt | 0,10:Hallo Welt | 0,10:Hallo Welt | 0,10:Hallo Welt | -", kNone},
    // A name that begins with no word.
    {QStringLiteral(".abc"),
     {kChar},
     "- | 1,2:a | 2,3:b | 3,4:c | -",
     "0,1:. | 2,3:b | 3,4:c | - | -",
     "1,2:a | 3,4:c | - | - | -"},
    {QStringLiteral(".abc"),
     {kWord},
     "- | 0,1:. | 0,1:. | 1,4:abc | -",
     "0,1:. | 1,4:abc | 1,4:abc | 1,4:abc | -",
     "1,4:abc | - | - | - | -"},
    {QStringLiteral(".abc"),
     {kSentence},
     "- | -1,0: | -1,0: | 0,4:.abc | -",
     "0,4:.abc | 0,4:.abc | 0,4:.abc | 0,4:.abc | -",
     kNone},
    {QStringLiteral(".abc"), kLines, kNone, "0,4:.abc | 0,4:.abc | 0,4:.abc | 0,4:.abc | -", kNone},
    // A password tells nothing.
    {QStringLiteral("Hallo Welt"), kAll, kNone, kNone, kNone, QLineEdit::Password},
};

// Asks every query of the table of `field`; -1 stands for the end, -2 for the caret, here at the end.
void expectBoundaryAnswers(QLineEdit* field, const char* where)
{
    ASSERT_NE(field, nullptr) << where;
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(field)->textInterface();
    for (const BoundaryRow& row : kBoundaryRows) {
        field->setEchoMode(row.echo);
        field->setText(row.text);
        const int length = static_cast<int>(row.text.size());
        for (const QAccessible::TextBoundaryType type : row.types) {
            for (const auto& [query, expected] : {std::pair{&QAccessibleTextInterface::textBeforeOffset, row.before},
                                                  std::pair{&QAccessibleTextInterface::textAtOffset, row.at},
                                                  std::pair{&QAccessibleTextInterface::textAfterOffset, row.after}}) {
                QStringList answers;
                for (const int offset : {0, length / 2, length - 1, length, length + 1})
                    answers << ask(text, query, offset, type);
                EXPECT_EQ(answers.join(u" | ").toStdString(), expected)
                    << where << " " << row.text.toStdString() << " type " << type;
                EXPECT_EQ(ask(text, query, -1, type).toStdString(), answers[3].toStdString())
                    << where << " " << row.text.toStdString();
                EXPECT_EQ(ask(text, query, -2, type).toStdString(), answers[3].toStdString())
                    << where << " " << row.text.toStdString();
            }
        }
    }
    field->setEchoMode(QLineEdit::Normal);
}

// A screen reader asks a one-line field for the word, sentence or line at,
// before and after an offset, the ends of its text included, and gets an
// answer: Qt 6.4's own interface never returns from some of them. Asked of a
// field of the font dialog and of the name field of the list file dialog.
TEST_F(AccessibleFieldsTest, OneLineFieldsAnswerAtEveryOffset)
{
    startProgram();
    whenModal([](QWidget* dialog) {
        expectBoundaryAnswers(dialog->findChild<QLineEdit*>(), "font dialog");
        qobject_cast<QDialog*>(dialog)->reject();
    });
    trigger("Schrift1");
    whenModal([](QWidget* dialog) {
        expectBoundaryAnswers(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")), "file dialog");
        qobject_cast<QDialog*>(dialog)->reject();
    });
    click("Button2");
}

// All else a screen reader asks of a one-line field, or does with it, goes as
// with Qt's own interface: names, states, the text (a password's hidden), the
// items inside it, caret, selection and edits.
TEST_F(AccessibleFieldsTest, OneLineFieldsAnswerElseAsQtDoes)
{
    startProgram();
    QLineEdit own;
    QLineEdit qts;
    QAccessible::removeFactory(LineFieldAccessible::make);
    QAccessibleInterface* reference = QAccessible::queryAccessibleInterface(&qts);
    QAccessible::installFactory(LineFieldAccessible::make);
    QAccessibleInterface* ours = QAccessible::queryAccessibleInterface(&own);
    ASSERT_NE(dynamic_cast<LineFieldAccessible*>(ours), nullptr);
    ASSERT_EQ(dynamic_cast<LineFieldAccessible*>(reference), nullptr);

    const auto describe = [](QAccessibleInterface* field) {
        const auto* edit = static_cast<const QLineEdit*>(field->object());
        QAccessibleTextInterface* text = field->textInterface();
        const QAccessible::State state = field->state();
        quint64 stateBits = 0;
        static_assert(sizeof state == sizeof stateBits);
        std::memcpy(&stateBits, &state, sizeof stateBits);
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        const QRect rect = text->characterRect(1);
        QStringList seen{edit->text(),
                         field->text(QAccessible::Name),
                         field->text(QAccessible::Value),
                         field->text(QAccessible::Description),
                         QString::number(field->role()),
                         QString::number(stateBits),
                         QString::number(text->characterCount()),
                         text->text(0, 4),
                         text->text(1, -1),
                         QString::number(text->cursorPosition()),
                         QString::number(text->selectionCount()),
                         QStringLiteral("%1-%2").arg(start).arg(end),
                         QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()),
                         QString::number(text->offsetAtPoint(rect.center())),
                         text->attributes(2, &start, &end),
                         QStringLiteral("%1-%2").arg(start).arg(end)};
        // Qt's own answers inside the text only: at its ends it never returns.
        for (const QAccessible::TextBoundaryType type : kAll) {
            for (int offset = -2; offset <= text->characterCount() + 1; ++offset) {
                seen << ask(text, &QAccessibleTextInterface::textBeforeOffset, offset, type)
                     << ask(text, &QAccessibleTextInterface::textAfterOffset, offset, type);
                if (offset > 0 && offset < text->characterCount())
                    seen << ask(text, &QAccessibleTextInterface::textAtOffset, offset, type);
            }
        }
        return seen.join(u'\n').toStdString();
    };
    const auto both = [&](const std::function<void(QLineEdit&)>& change) {
        change(own);
        change(qts);
    };

    both([](QLineEdit& edit) {
        edit.setAccessibleName(QStringLiteral("Dateiname"));
        edit.setPlaceholderText(QStringLiteral("Name der Liste"));
    });
    for (const QLineEdit::EchoMode echo :
         {QLineEdit::Normal, QLineEdit::Password, QLineEdit::NoEcho, QLineEdit::PasswordEchoOnEdit}) {
        for (const bool readOnly : {false, true}) {
            for (const QString& text : {QString(), QStringLiteral("Hallo Welt."), QStringLiteral("a&b c")}) {
                both([&](QLineEdit& edit) {
                    edit.setEchoMode(echo);
                    edit.setReadOnly(readOnly);
                    edit.setText(text);
                });
                EXPECT_EQ(describe(ours), describe(reference)) << echo << readOnly << text.toStdString();
            }
        }
    }

    both([](QLineEdit& edit) {
        edit.setEchoMode(QLineEdit::Normal);
        edit.setReadOnly(false);
        edit.setText(QStringLiteral("Hallo Welt"));
    });
    const std::function<void(QAccessibleInterface*)> actions[] = {
        [](QAccessibleInterface* field) { field->textInterface()->setCursorPosition(3); },
        [](QAccessibleInterface* field) { field->textInterface()->setSelection(0, 7, 2); },
        [](QAccessibleInterface* field) { field->textInterface()->addSelection(1, 4); },
        [](QAccessibleInterface* field) { field->textInterface()->removeSelection(0); },
        [](QAccessibleInterface* field) { field->textInterface()->scrollToSubstring(2, 6); },
        [](QAccessibleInterface* field) { field->editableTextInterface()->insertText(2, QStringLiteral("xy")); },
        [](QAccessibleInterface* field) { field->editableTextInterface()->deleteText(1, 3); },
        [](QAccessibleInterface* field) { field->editableTextInterface()->replaceText(0, 2, QStringLiteral("W")); },
        [](QAccessibleInterface* field) { field->setText(QAccessible::Value, QStringLiteral("neu")); },
        [](QAccessibleInterface* field) {
            auto* edit = static_cast<QLineEdit*>(field->object());
            edit->setValidator(new QIntValidator(0, 99, edit));
            field->setText(QAccessible::Value, QStringLiteral("abc"));
        },
    };
    for (std::size_t step = 0; step < std::size(actions); ++step) {
        actions[step](ours);
        actions[step](reference);
        EXPECT_EQ(describe(ours), describe(reference)) << "step " << step;
    }
}

}  // namespace
}  // namespace lernwerk::testing
