#include "widgets/text_field_accessible.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
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

// The readers of the fields that were given one.
std::map<const QObject*, TextFieldAccessible::Reader>& readers()
{
    static std::map<const QObject*, TextFieldAccessible::Reader> all;
    return all;
}

// Counts the readers given: a reading made before a new one is read anew.
int readerGeneration = 0;

}  // namespace

TextFieldAccessible::TextFieldAccessible(QPlainTextEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

TextFieldAccessible::~TextFieldAccessible() = default;

void TextFieldAccessible::setReader(QPlainTextEdit& field, Reader reader)
{
    const bool known = readers().contains(&field);
    ++readerGeneration;
    if (!reader) {
        readers().erase(&field);
        return;
    }
    readers()[&field] = std::move(reader);
    if (!known)
        QObject::connect(&field, &QObject::destroyed,
                         [object = static_cast<QObject*>(&field)] { readers().erase(object); });
}

const TextFieldAccessible::Reading* TextFieldAccessible::reading() const
{
    const auto reader = readers().find(field());
    if (reader == readers().end())
        return nullptr;
    const QString shown = field()->toPlainText();
    if (!reading_ || shown != readFrom_ || readGeneration_ != readerGeneration) {
        readFrom_ = shown;
        readGeneration_ = readerGeneration;
        reading_ = std::make_unique<Reading>(reader->second(shown));
        readDocument_ = std::make_unique<QTextDocument>(reading_->text);
    }
    return reading_.get();
}

int TextFieldAccessible::shownOffset(int offset) const
{
    const Reading* read = reading();
    if (!read || read->shownAt.empty())
        return offset;
    return read->shownAt[static_cast<std::size_t>(std::clamp(offset, 0, static_cast<int>(read->shownAt.size()) - 1))];
}

int TextFieldAccessible::readOffset(int shownOffset) const
{
    const Reading* read = reading();
    if (!read)
        return shownOffset;
    // The first offset of the reading that stands for this shown one or a later one.
    const auto at = std::lower_bound(read->shownAt.begin(), read->shownAt.end(), shownOffset);
    return static_cast<int>(std::min(at - read->shownAt.begin(), static_cast<std::ptrdiff_t>(read->text.size())));
}

QTextCursor TextFieldAccessible::readCursorAt(int offset) const
{
    QTextCursor cursor(readDocument_.get());
    cursor.setPosition(std::clamp(offset, 0, static_cast<int>(reading_->text.size())));
    return cursor;
}

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
    if (t == QAccessible::Value) {
        const Reading* read = reading();
        return read ? read->text : field()->toPlainText();
    }
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

int TextFieldAccessible::shownCount() const
{
    QTextCursor cursor = field()->textCursor();
    cursor.movePosition(QTextCursor::End);
    return cursor.position();
}

QTextCursor TextFieldAccessible::cursorAt(int offset) const
{
    QTextCursor cursor = field()->textCursor();
    cursor.setPosition(std::clamp(offset, 0, shownCount()));
    return cursor;
}

QTextCursor TextFieldAccessible::boundaryCursorAt(int offset) const
{
    return reading() ? readCursorAt(offset) : cursorAt(offset);
}

QTextCursor TextFieldAccessible::range(int startOffset, int endOffset) const
{
    // An end of -1 is the end of the text.
    const int count = shownCount();
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
    *startOffset = readOffset(cursor.selectionStart());
    *endOffset = readOffset(cursor.selectionEnd());
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
        field()->setTextCursor(range(shownOffset(startOffset), endOffset < 0 ? endOffset : shownOffset(endOffset)));
}

int TextFieldAccessible::cursorPosition() const { return readOffset(field()->textCursor().position()); }

void TextFieldAccessible::setCursorPosition(int position) { field()->setTextCursor(cursorAt(shownOffset(position))); }

QString TextFieldAccessible::text(int startOffset, int endOffset) const
{
    if (const Reading* read = reading()) {
        const int count = static_cast<int>(read->text.size());
        const int start = std::clamp(startOffset, 0, count);
        const int end = endOffset < 0 ? count : std::clamp(endOffset, start, count);
        return read->text.mid(start, end - start);
    }
    return range(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

QString TextFieldAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                              int* endOffset) const
{
    auto [start, end] = QAccessible::qAccessibleTextBoundaryHelper(boundaryCursorAt(offset), boundaryType);
    if (start > 0)
        std::tie(start, end) = QAccessible::qAccessibleTextBoundaryHelper(boundaryCursorAt(start - 1), boundaryType);
    else
        end = start;
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

QString TextFieldAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const
{
    const int end = QAccessible::qAccessibleTextBoundaryHelper(boundaryCursorAt(offset), boundaryType).second;
    const auto after = QAccessible::qAccessibleTextBoundaryHelper(boundaryCursorAt(end), boundaryType);
    *startOffset = after.first;
    *endOffset = after.second;
    return text(after.first, after.second);
}

QString TextFieldAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                          int* endOffset) const
{
    const auto at = QAccessible::qAccessibleTextBoundaryHelper(boundaryCursorAt(offset), boundaryType);
    *startOffset = at.first;
    *endOffset = at.second;
    return text(at.first, at.second);
}

int TextFieldAccessible::characterCount() const
{
    if (const Reading* read = reading())
        return static_cast<int>(read->text.size());
    return shownCount();
}

QRect TextFieldAccessible::characterRect(int offset) const
{
    const QString character = text(offset, offset + 1);
    if (offset < 0 || character.isEmpty())
        return {};
    QRect caret = field()->cursorRect(cursorAt(shownOffset(offset)));
    caret.setWidth(QFontMetrics(field()->font()).horizontalAdvance(character));
    caret.moveTopLeft(field()->viewport()->mapToGlobal(caret.topLeft()));
    return caret;
}

int TextFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint inside = field()->viewport()->mapFromGlobal(point);
    if (!field()->viewport()->rect().contains(inside))
        return -1;
    return readOffset(field()->cursorForPosition(inside).position());
}

void TextFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    QPlainTextEdit* edit = field();
    const QTextCursor kept = edit->textCursor();
    edit->setTextCursor(cursorAt(shownOffset(endIndex)));
    edit->ensureCursorVisible();
    edit->setTextCursor(cursorAt(shownOffset(startIndex)));
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
        range(shownOffset(startOffset), endOffset < 0 ? endOffset : shownOffset(endOffset)).removeSelectedText();
}

void TextFieldAccessible::insertText(int offset, const QString& text)
{
    if (!field()->isReadOnly())
        cursorAt(shownOffset(offset)).insertText(text);
}

void TextFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    if (field()->isReadOnly())
        return;
    QTextCursor cursor = range(shownOffset(startOffset), endOffset < 0 ? endOffset : shownOffset(endOffset));
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
