#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

namespace lernwerk {

// A text field holds lines, one line per block of its document; to the rest of
// the program its text is those lines separated by CR LF, as a list file holds
// them. Every character of a line is kept as it came, including those that a
// text document would otherwise take as a break or show as one (U+2028,
// U+2029, U+FDD0, U+FDD1): the field shows those as a stand-in, so that one
// shown line is always one line of the list.

// Marks text that the program puts into `field` and that holds no character
// needing a stand-in, for as long as the object lives: it is not searched for
// them. The mark belongs to the field's document; other fields are searched
// as before.
class PreparedFill {
public:
    explicit PreparedFill(QPlainTextEdit& field);
    PreparedFill(const PreparedFill&) = delete;
    PreparedFill& operator=(const PreparedFill&) = delete;
    ~PreparedFill();
    // Whether the program is filling the document with prepared text now.
    static bool active(const QTextDocument& document);

private:
    QTextDocument* document_;
    bool was_;
};

// The line a block holds, character for character.
QString lineText(const QTextBlock& block);

// The field's lines separated by CR LF.
std::u16string fieldText(const QPlainTextEdit& field);

// The field's lines; an empty field has none.
std::vector<std::u16string> fieldLines(const QPlainTextEdit& field);

// Replaces the field's content by `text`: a CR LF pair, a lone CR, a lone LF
// and U+2028 each break a line, and the text ends at its first U+0000. The
// field's undo history starts afresh.
void setFieldText(QPlainTextEdit& field, std::u16string_view text);

// Replaces the field's content by `lines`, each one line as it stands. The
// field's undo history starts afresh.
void setFieldLines(QPlainTextEdit& field, const std::vector<std::u16string>& lines);

// Replaces the field's content by `lines` (separated by LF only) as one step
// that Undo takes back. An empty field has nothing to take back and no step.
void replaceFieldLines(QPlainTextEdit& field, const QString& lines);

// Appends each of `lines` as a line of its own, as one step.
void appendFieldLines(QPlainTextEdit& field, const std::vector<std::u16string>& lines);

// Deletes every empty line of the field at once; the undo history starts
// afresh.
void dropEmptyFieldLines(QPlainTextEdit& field);

// Keeps every line of the field on one row: Shift+Enter acts as Enter (it
// breaks the line instead of inserting a line separator inside it), and a
// line separator typed, pasted or dropped into a line shows as a stand-in.
void keepLinesWhole(QPlainTextEdit& field);

// Fills the field with the lines of a text file. A file that cannot be read
// leaves the field as it was and throws the reader's failure.
void LoadTextLines(const std::u16string& fileName, QPlainTextEdit& field);

}  // namespace lernwerk
