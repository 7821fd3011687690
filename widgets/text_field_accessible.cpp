#include "widgets/text_field_accessible.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <tuple>

// Why the program has its own interface for its multi-line fields: Orca reads
// the language of a text from the text attribute "language" of the run it
// speaks, and Qt 6.4's interface for a plain text field has no such
// attribute (its bridge passes the attribute on when an interface gives it).
// Qt's interface class is private to Qt and cannot be extended, so this one
// does its work with the field's public methods, the same way.

namespace lernwerk {

namespace {

// The window property that holds the language of its fields' text.
constexpr const char* kFieldLanguage = "lernwerkFieldLanguage";

// The language of the nearest window, from the field's own outwards, that
// was given one.
quiz::Language languageOf(const QWidget* field)
{
    for (const QWidget* window = field->window(); window;
         window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        const QVariant language = window->property(kFieldLanguage);
        if (language.isValid())
            return static_cast<quiz::Language>(language.toInt());
    }
    return quiz::Language::German;
}

// A font family as an attribute value: quoted, with the separators of the
// attribute list escaped.
QString quotedFamily(QString family)
{
    for (const QChar special : {u'\\', u':', u',', u'=', u';', u'"'})
        family.replace(special, QStringLiteral("\\") + special);
    return QLatin1Char('"') + family + QLatin1Char('"');
}

}  // namespace

TextFieldAccessible::TextFieldAccessible(QPlainTextEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

QPlainTextEdit* TextFieldAccessible::field() const { return static_cast<QPlainTextEdit*>(widget()); }

void* TextFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TextFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return field()->toPlainText();
    return QAccessibleWidget::text(t);
}

void TextFieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (!field()->isReadOnly())
        field()->setPlainText(text);
}

QAccessible::State TextFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = true;
    if (field()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    return state;
}

QTextCursor TextFieldAccessible::cursorAt(int offset) const
{
    QTextCursor cursor = field()->textCursor();
    cursor.setPosition(std::clamp(offset, 0, characterCount()));
    return cursor;
}

QTextCursor TextFieldAccessible::range(int startOffset, int endOffset) const
{
    // An end of -1 is the end of the text.
    const int count = characterCount();
    QTextCursor cursor = cursorAt(startOffset);
    cursor.setPosition(endOffset < 0 ? count : std::min(endOffset, count), QTextCursor::KeepAnchor);
    return cursor;
}

void TextFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = field()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection())
        return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int TextFieldAccessible::selectionCount() const { return field()->textCursor().hasSelection() ? 1 : 0; }

void TextFieldAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TextFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = field()->textCursor();
    cursor.clearSelection();
    field()->setTextCursor(cursor);
}

void TextFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setTextCursor(range(startOffset, endOffset));
}

int TextFieldAccessible::cursorPosition() const { return field()->textCursor().position(); }

void TextFieldAccessible::setCursorPosition(int position) { field()->setTextCursor(cursorAt(position)); }

QString TextFieldAccessible::text(int startOffset, int endOffset) const
{
    return range(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString TextFieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                              int* endOffset) const
{
    auto [start, end] = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType);
    if (start > 0)
        std::tie(start, end) = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(start - 1), boundaryType);
    else
        end = start;
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

QString TextFieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    const int end = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType).second;
    const auto after = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(end), boundaryType);
    *startOffset = after.first;
    *endOffset = after.second;
    return text(after.first, after.second);
}

QString TextFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                          int* endOffset) const
{
    const auto at = QAccessible::qAccessibleTextBoundaryHelper(cursorAt(offset), boundaryType);
    *startOffset = at.first;
    *endOffset = at.second;
    return text(at.first, at.second);
}

int TextFieldAccessible::characterCount() const
{
    QTextCursor cursor = field()->textCursor();
    cursor.movePosition(QTextCursor::End);
    return cursor.position();
}

QRect TextFieldAccessible::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (offset < 0 || character.isEmpty())
        return {};
    QRect caret = field()->cursorRect(cursorAt(offset));
    caret.setWidth(QFontMetrics(field()->font()).horizontalAdvance(character));
    caret.moveTopLeft(field()->viewport()->mapToGlobal(caret.topLeft()));
    return caret;
}

int TextFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint inside = field()->viewport()->mapFromGlobal(point);
    if (!field()->viewport()->rect().contains(inside))
        return -1;
    return field()->cursorForPosition(inside).position();
}

void TextFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    QPlainTextEdit* edit = field();
    const QTextCursor kept = edit->textCursor();
    edit->setTextCursor(cursorAt(endIndex));
    edit->ensureCursorVisible();
    edit->setTextCursor(cursorAt(startIndex));
    edit->ensureCursorVisible();
    edit->setTextCursor(kept);
}

QString TextFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // The whole text is one run: one font, one language.
    const int count = characterCount();
    if (offset == -2)
        offset = cursorPosition();
    if (offset == -1)
        offset = count;
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    QString attributes = QStringLiteral("language:") + languageTag(languageOf(field())) + QLatin1Char(';');
    const QFont font = field()->font();
    if (!font.family().isEmpty())
        attributes += QStringLiteral("font-family:") + quotedFamily(font.family()) + QLatin1Char(';');
    if (font.pointSize() > 0)
        attributes += QStringLiteral("font-size:%1pt;").arg(font.pointSize());
    return attributes;
}

void TextFieldAccessible::deleteText(int startOffset, int endOffset)
{
    if (!field()->isReadOnly())
        range(startOffset, endOffset).removeSelectedText();
}

void TextFieldAccessible::insertText(int offset, const QString& text)
{
    if (!field()->isReadOnly())
        cursorAt(offset).insertText(text);
}

void TextFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (field()->isReadOnly())
        return;
    QTextCursor cursor = range(startOffset, endOffset);
    cursor.insertText(text);
}

void TextFieldAccessible::setLanguage(QWidget& window, quiz::Language language)
{
    window.setProperty(kFieldLanguage, static_cast<int>(language));
}

QString TextFieldAccessible::languageTag(quiz::Language language)
{
    return quiz::PerLanguage<QString>{QStringLiteral("de"), QStringLiteral("en")}.in(language);
}

QAccessibleInterface* TextFieldAccessible::make(const QString& className, QObject* object)
{
    if (className != QLatin1String("QPlainTextEdit"))
        return nullptr;
    auto* field = qobject_cast<QPlainTextEdit*>(object);
    return field ? new TextFieldAccessible(field) : nullptr;
}

}  // namespace lernwerk
