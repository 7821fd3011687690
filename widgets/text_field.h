#pragma once

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace lernwerk {

// A text field holds lines; to the rest of the program its text is those lines
// separated by CR LF, as a list file holds them.
std::u16string fieldText(const QPlainTextEdit& field);

// Replaces the field's content by `text`: a CR LF pair, a lone CR, a lone LF
// and U+2028 each break a line, and the text ends at its first U+0000.
void setFieldText(QPlainTextEdit& field, std::u16string_view text);

// Fills the field with the lines of a text file. A file that cannot be read
// leaves the field as it was and throws the reader's failure.
void LoadTextLines(const std::u16string& fileName, QPlainTextEdit& field);

}  // namespace lernwerk
