#include "widgets/text_field.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <utility>
#include <vector>

#include "textfile/text_lines.h"

namespace lernwerk {

namespace {

// What the field shows in place of a character that a block cannot hold or
// that would show as a break; the character itself is kept in the stand-in's
// format.
constexpr char16_t kStandIn = 0xFFFD;
constexpr int kStandInFor = QTextFormat::UserProperty + 1;
// The document property that is true while the program fills the document
// with prepared text.
constexpr const char* kPreparedFill = "lernwerkPreparedFill";

bool needsStandIn(char16_t unit)
{
    // LF and CR break a block; U+2028 shows as a break inside one; U+2029 and
    // the frame marks U+FDD0 and U+FDD1 break a block too.
    return unit == u'\n' || unit == u'\r' || unit == 0x2028 || unit == 0x2029 || unit == 0xFDD0 || unit == 0xFDD1;
}

// Lines ready for a document: LF between lines, stand-ins in place.
class PreparedLines {
public:
    explicit PreparedLines(std::size_t size) { text_.reserve(static_cast<qsizetype>(size)); }

    void breakLine() { text_ += QLatin1Char('\n'); }

    // Appends the units of one line (or a piece of it).
    void add(std::u16string_view units)
    {
        std::size_t run = 0;
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (!needsStandIn(units[i]))
                continue;
            append(units.substr(run, i - run));
            addStandIn(units[i]);
            run = i + 1;
        }
        append(units.substr(run));
    }

    // Appends units that hold no character needing a stand-in.
    void append(std::u16string_view units)
    {
        if (!units.empty())
            text_.append(reinterpret_cast<const QChar*>(units.data()), static_cast<qsizetype>(units.size()));
    }

    void addStandIn(char16_t unit)
    {
        standIns_.push_back({static_cast<int>(text_.size()), unit});
        text_ += QChar(kStandIn);
    }

    const QString& text() const { return text_; }

    // Gives the stand-ins, in the text inserted at `base`, their characters.
    void markStandIns(QTextCursor& cursor, int base) const
    {
        for (std::size_t i = 0; i < standIns_.size();) {
            // A run of the same character takes one format change.
            std::size_t end = i + 1;
            while (end < standIns_.size() && standIns_[end].unit == standIns_[i].unit &&
                   standIns_[end].position == standIns_[end - 1].position + 1)
                ++end;
            QTextCharFormat format;
            format.setProperty(kStandInFor, static_cast<int>(standIns_[i].unit));
            cursor.setPosition(base + standIns_[i].position);
            cursor.setPosition(base + standIns_[end - 1].position + 1, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(format);
            i = end;
        }
    }

    bool hasStandIns() const { return !standIns_.empty(); }

private:
    struct StandIn {
        int position;
        char16_t unit;
    };

    QString text_;
    std::vector<StandIn> standIns_;
};

// Replaces the field's content by `lines`; the undo history starts afresh.
void fill(QPlainTextEdit& field, const PreparedLines& lines)
{
    const PreparedFill prepared(field);
    field.setPlainText(lines.text());
    if (!lines.hasStandIns())
        return;
    QTextDocument* document = field.document();
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    lines.markStandIns(cursor, 0);
    document->setUndoRedoEnabled(undo);
}

PreparedLines prepare(const std::vector<std::u16string>& lines)
{
    std::size_t size = lines.size();
    for (const std::u16string& line : lines)
        size += line.size();
    PreparedLines prepared(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            prepared.breakLine();
        prepared.add(lines[i]);
    }
    return prepared;
}

// Typing, a paste, a drop or an input method may bring a U+2028 into a line
// (every other break character starts a new block on insertion). The field
// would show it as a second row, one row more than the list has lines; it
// becomes a stand-in at once, in the same undo step as the edit that brought
// it, and the line still holds the character itself.
class LineSeparatorStandIn : public QObject {
public:
    explicit LineSeparatorStandIn(QPlainTextEdit& field) : QObject(&field), field_(field)
    {
        connect(field.document(), &QTextDocument::contentsChange, this, &LineSeparatorStandIn::changed);
    }

private:
    void changed(int position, int, int added)
    {
        if (busy_ || PreparedFill::active(*field_.document()) || added <= 0)
            return;
        QTextDocument* document = field_.document();
        const int end = position + added;
        std::vector<int> found;
        for (QTextBlock block = document->findBlock(position); block.isValid() && block.position() < end;
             block = block.next()) {
            const QString text = block.text();
            for (qsizetype at = text.indexOf(QChar::LineSeparator); at >= 0;
                 at = text.indexOf(QChar::LineSeparator, at + 1)) {
                const int where = block.position() + static_cast<int>(at);
                if (where >= position && where < end)
                    found.push_back(where);
            }
        }
        if (found.empty())
            return;
        busy_ = true;
        QTextCursor cursor(document);
        cursor.joinPreviousEditBlock();
        for (const int where : found) {
            cursor.setPosition(where);
            cursor.setPosition(where + 1, QTextCursor::KeepAnchor);
            QTextCharFormat format = cursor.charFormat();
            format.setProperty(kStandInFor, static_cast<int>(QChar::LineSeparator));
            cursor.insertText(QString(QChar(kStandIn)), format);
        }
        cursor.endEditBlock();
        busy_ = false;
    }

    QPlainTextEdit& field_;
    bool busy_ = false;
};

// Shift+Enter would insert U+2028, a break inside the line.
class ShiftEnterAsEnter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers modifiers = key->modifiers();
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (modifiers & ~Qt::KeypadModifier) == Qt::ShiftModifier)
                key->setModifiers(modifiers & ~Qt::ShiftModifier);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

PreparedFill::PreparedFill(QPlainTextEdit& field) : document_(field.document()), was_(active(*document_))
{
    document_->setProperty(kPreparedFill, true);
}

PreparedFill::~PreparedFill() { document_->setProperty(kPreparedFill, was_); }

bool PreparedFill::active(const QTextDocument& document) { return document.property(kPreparedFill).toBool(); }

QString lineText(const QTextBlock& block)
{
    QString text = block.text();
    if (!text.contains(QChar(kStandIn)))
        return text;
    const int start = block.position();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QVariant unit = fragment.charFormat().property(kStandInFor);
        if (!unit.isValid())
            continue;
        // Text typed next to a stand-in takes its format; only the stand-in
        // itself stands for the character.
        const int from = fragment.position() - start;
        for (int i = from; i < from + fragment.length() && i < text.size(); ++i)
            if (text[i] == QChar(kStandIn))
                text[i] = QChar(static_cast<char16_t>(unit.toInt()));
    }
    return text;
}

std::u16string fieldText(const QPlainTextEdit& field)
{
    const QTextDocument* document = field.document();
    std::u16string text;
    text.reserve(static_cast<std::size_t>(document->characterCount()) +
                 static_cast<std::size_t>(document->blockCount()));

    // The raw text separates blocks by U+2029, which no block holds itself.
    // Without stand-ins it is the lines as they are.
    const QString raw = document->toRawText();
    if (!raw.contains(QChar(kStandIn))) {
        const auto* units = reinterpret_cast<const char16_t*>(raw.utf16());
        qsizetype start = 0;
        for (qsizetype end; (end = raw.indexOf(QChar::ParagraphSeparator, start)) >= 0; start = end + 1) {
            text.append(units + start, static_cast<std::size_t>(end - start));
            text += u"\r\n";
        }
        text.append(units + start, static_cast<std::size_t>(raw.size() - start));
        return text;
    }

    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        if (block != document->firstBlock())
            text += u"\r\n";
        const QString line = lineText(block);
        text.append(reinterpret_cast<const char16_t*>(line.utf16()), static_cast<std::size_t>(line.size()));
    }
    return text;
}

std::vector<std::u16string> fieldLines(const QPlainTextEdit& field)
{
    std::vector<std::u16string> lines;
    const QTextDocument* document = field.document();
    if (document->isEmpty())
        return lines;
    lines.reserve(static_cast<std::size_t>(document->blockCount()));
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next())
        lines.push_back(lineText(block).toStdU16String());
    return lines;
}

void setFieldText(QPlainTextEdit& field, std::u16string_view text)
{
    // One pass: runs of ordinary units are copied whole; the text ends at a NUL.
    PreparedLines lines(text.size());
    std::size_t run = 0;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit > u'\r' && unit < 0x2028)  // neither a break, a NUL nor a character a block cannot hold
            continue;
        if (unit == u'\0')
            break;
        const bool lineBreak = unit == u'\r' || unit == u'\n' || unit == 0x2028;
        if (!lineBreak && !needsStandIn(unit))
            continue;
        lines.append(text.substr(run, i - run));
        if (lineBreak) {
            lines.breakLine();
            if (unit == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            lines.addStandIn(unit);
        }
        run = i + 1;
    }
    lines.append(text.substr(run, i - run));
    fill(field, lines);
}

void setFieldLines(QPlainTextEdit& field, const std::vector<std::u16string>& lines) { fill(field, prepare(lines)); }

void replaceFieldLines(QPlainTextEdit& field, const QString& lines)
{
    std::vector<std::u16string> split;
    for (const QString& line : lines.split(QLatin1Char('\n')))
        split.push_back(line.toStdU16String());
    const PreparedLines prepared = prepare(split);

    QTextDocument* document = field.document();
    if (document->isEmpty()) {
        fill(field, prepared);
        return;
    }
    const PreparedFill filling(field);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    // A plain format: the old text's first character may be a stand-in.
    cursor.insertText(prepared.text(), QTextCharFormat());
    prepared.markStandIns(cursor, 0);
    cursor.endEditBlock();
    field.setTextCursor(QTextCursor(document));
}

void appendFieldLines(QPlainTextEdit& field, const std::vector<std::u16string>& lines)
{
    if (lines.empty())
        return;
    const PreparedLines prepared = prepare(lines);
    QTextDocument* document = field.document();
    const PreparedFill filling(field);
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    if (!document->isEmpty())
        cursor.insertBlock(cursor.blockFormat(), QTextCharFormat());
    const int base = cursor.position();
    cursor.insertText(prepared.text(), QTextCharFormat());
    prepared.markStandIns(cursor, base);
    cursor.endEditBlock();
}

void dropEmptyFieldLines(QPlainTextEdit& field)
{
    // The raw text separates blocks by U+2029. Where no line holds a stand-in
    // or a character that would need one, the kept lines are that text with
    // the empty lines cut out, compacted in place: no copy per line.
    QString raw = field.document()->toRawText();
    QChar* units = raw.data();
    const qsizetype size = raw.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i].unicode();
        if (unit != QChar::ParagraphSeparator && (needsStandIn(unit) || unit == kStandIn)) {
            std::vector<std::u16string> kept;
            for (QTextBlock block = field.document()->firstBlock(); block.isValid(); block = block.next())
                if (block.length() > 1)
                    kept.push_back(lineText(block).toStdU16String());
            setFieldLines(field, kept);
            return;
        }
    }
    qsizetype out = 0;
    for (qsizetype start = 0; start <= size;) {
        qsizetype end = start;
        while (end < size && units[end] != QChar::ParagraphSeparator)
            ++end;
        if (end > start) {
            if (out > 0)
                units[out++] = QLatin1Char('\n');
            std::copy(units + start, units + end, units + out);
            out += end - start;
        }
        start = end + 1;
    }
    raw.truncate(out);
    const PreparedFill prepared(field);
    field.setPlainText(raw);
}

void keepLinesWhole(QPlainTextEdit& field)
{
    field.installEventFilter(new ShiftEnterAsEnter(&field));
    new LineSeparatorStandIn(field);
}

void LoadTextLines(const std::u16string& fileName, QPlainTextEdit& field)
{
    const std::u16string text = textfile::ReadTextLines(fileName);
    setFieldText(field, text);
}

}  // namespace lernwerk
