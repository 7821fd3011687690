#include "widgets/line_field_accessible.h"

#include <QtWidgets/private/qlineedit_p.h>
#include <QtWidgets/private/qwidgetlinecontrol_p.h>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTextBoundaryFinder>
#include <QValidator>

// Why the program has its own interface for one-line fields: Qt 6.4 finds the
// word or sentence at an offset (QAccessibleTextInterface::textAtOffset, which
// its own line-edit interface uses) by walking the boundaries backwards to the
// edge of an item and from there forwards to the next one. Two queries walk
// off the text and never come back, at full processor load, in the thread
// that runs the windows:
// - at the end of the text (offset = length, -1, or -2 with the caret there)
//   when the end itself is an item's edge: a word that ends the text
//   ("Liste" in a file name field), or any text for a sentence;
// - at offset 0 of a word query when the text begins with a character that
//   starts no word (".liste", " Liste").
// A screen reader asks the first of them for the word at the caret while the
// user types a file name. Qt's interface class is private to Qt and cannot be
// extended, so this one answers all that it answers, the same way, with the
// field's own methods; the boundary queries go on to Qt's default
// implementation, apart from the two ends of a word or sentence query, which
// are answered here as Qt answers the offsets between them: the item that
// begins at the start, and the one that ends at the end.

namespace lernwerk {

namespace {

// Whether the finder stands where an item (a word, a sentence) begins or ends,
// not only where the text may break.
bool atItemEdge(const QTextBoundaryFinder& finder)
{
    return finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem);
}

// The word or sentence of `text` (not empty) that begins at its start, or
// for `offset` at its length, the one that ends at its end.
QString itemAtEnd(const QString& text, QTextBoundaryFinder::BoundaryType kind, int offset, int* startOffset,
                  int* endOffset)
{
    const int length = static_cast<int>(text.size());
    QTextBoundaryFinder finder(kind, text);
    finder.setPosition(offset);
    if (offset == 0) {
        *startOffset = 0;
        qsizetype next = finder.toNextBoundary();
        while (next > 0 && next < length && !atItemEdge(finder))
            next = finder.toNextBoundary();
        *endOffset = next > 0 ? static_cast<int>(next) : length;
    } else {
        *endOffset = length;
        qsizetype previous = finder.toPreviousBoundary();
        while (previous > 0 && !atItemEdge(finder))
            previous = finder.toPreviousBoundary();
        *startOffset = previous > 0 ? static_cast<int>(previous) : 0;
    }
    return text.mid(*startOffset, *endOffset - *startOffset);
}

// What a boundary query answers where there is no item: no text and no range.
QString noItem(int* startOffset, int* endOffset)
{
    *startOffset = *endOffset = -1;
    return {};
}

}  // namespace

LineFieldAccessible::LineFieldAccessible(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* LineFieldAccessible::field() const { return static_cast<QLineEdit*>(widget()); }

bool LineFieldAccessible::showsText() const { return field()->echoMode() == QLineEdit::Normal; }

void* LineFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LineFieldAccessible::text(QAccessible::Text t) const
{
    QString text;
    // A password is told by its length only, and text that is not echoed not at all.
    if (t == QAccessible::Value && field()->echoMode() != QLineEdit::NoEcho)
        text = showsText() ? field()->text() : QString(field()->text().size(), u'*');
    if (text.isEmpty())
        text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Description)
        text = field()->placeholderText();
    return text;
}

void LineFieldAccessible::setText(QAccessible::Text t, const QString& text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    QString checked = text;
    int position = 0;
    if (const QValidator* validator = field()->validator();
        validator && validator->validate(checked, position) != QValidator::Acceptable)
        return;
    field()->setText(checked);
}

QAccessible::State LineFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    if (field()->isReadOnly())
        state.readOnly = true;
    if (!showsText())
        state.passwordEdit = true;
    state.selectableText = true;
    return state;
}

void LineFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0)
        return;
    *startOffset = field()->selectionStart();
    *endOffset = *startOffset + static_cast<int>(field()->selectedText().size());
}

int LineFieldAccessible::selectionCount() const { return field()->hasSelectedText() ? 1 : 0; }

void LineFieldAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void LineFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void LineFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int LineFieldAccessible::cursorPosition() const { return field()->cursorPosition(); }

void LineFieldAccessible::setCursorPosition(int position) { field()->setCursorPosition(position); }

QString LineFieldAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset || !showsText())
        return {};
    return field()->text().mid(startOffset, endOffset - startOffset);
}

QString LineFieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                              int* endOffset) const
{
    if (!showsText())
        return noItem(startOffset, endOffset);
    if (offset == -2)
        offset = cursorPosition();
    return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
}

QString LineFieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    if (!showsText())
        return noItem(startOffset, endOffset);
    if (offset == -2)
        offset = cursorPosition();
    return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
}

QString LineFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                          int* endOffset) const
{
    if (!showsText())
        return noItem(startOffset, endOffset);
    const QString text = field()->text();
    const int length = static_cast<int>(text.size());
    if (offset == -2)
        offset = cursorPosition();
    if (offset == -1)
        offset = length;
    if (text.isEmpty() || offset < 0 || offset > length)
        return noItem(startOffset, endOffset);
    if (offset == 0 || offset == length) {
        if (boundaryType == QAccessible::WordBoundary)
            return itemAtEnd(text, QTextBoundaryFinder::Word, offset, startOffset, endOffset);
        if (boundaryType == QAccessible::SentenceBoundary)
            return itemAtEnd(text, QTextBoundaryFinder::Sentence, offset, startOffset, endOffset);
    }
    return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

int LineFieldAccessible::characterCount() const { return static_cast<int>(field()->text().size()); }

QRect LineFieldAccessible::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return {};
    // Where the field's own text layout puts the character; the layout is
    // reached only through Qt's private header, as Qt's interface reaches it.
    const auto x = static_cast<int>(QLineEditPrivate::get(field())->control->cursorToX(offset));
    const QFontMetrics metrics(field()->font());
    QRect rect(x, field()->textMargins().top(), metrics.horizontalAdvance(character), metrics.height());
    rect.moveTo(field()->mapToGlobal(rect.topLeft()));
    return rect;
}

int LineFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void LineFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

QString LineFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // A one-line field has no text attributes.
    *startOffset = *endOffset = offset;
    return {};
}

void LineFieldAccessible::deleteText(int startOffset, int endOffset)
{
    field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
}

void LineFieldAccessible::insertText(int offset, const QString& text)
{
    field()->setText(field()->text().insert(offset, text));
}

void LineFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
}

QAccessibleInterface* LineFieldAccessible::make(const QString& className, QObject* object)
{
    if (className != QLatin1String("QLineEdit"))
        return nullptr;
    // A spin box's field is part of the spin box, which Qt's interface reads and edits as a whole.
    if (object->objectName() == QLatin1String("qt_spinbox_lineedit"))
        return nullptr;
    auto* field = qobject_cast<QLineEdit*>(object);
    return field ? new LineFieldAccessible(field) : nullptr;
}

}  // namespace lernwerk
