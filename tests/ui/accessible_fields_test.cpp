// What a screen reader finds in the fields and pages: each field's text
// tells its language, the text interface reads and edits as the field does,
// and every control that takes the focus has a name.

#include "program_fixture.h"

#include <QAccessible>

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

}  // namespace
}  // namespace lernwerk::testing
