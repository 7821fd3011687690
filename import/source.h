#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Lists from other trainers' files: what a source file holds once it is read,
// before it becomes question lines.
namespace listimport {

enum class Format { Kvtml2, Kvtml1, Delimited, Anki };

// The columns a source may have: far more than any list has sides, few enough
// that a row of separators stays small.
inline constexpr std::size_t kMaxColumns = 256;

// One field that holds text, and the column it stands in (from 0).
struct Field {
    std::size_t column = 0;
    std::u16string text;

    bool operator==(const Field&) const = default;
};

// The fields of one row in the order of their columns. Empty fields are not
// kept, so that a file of separators takes no room.
using Fields = std::vector<Field>;

// The text in `column`, or nothing.
const std::u16string* fieldIn(const Fields& fields, std::size_t column);

// One entry of the source: its fields as read (markup already turned into text).
struct Record {
    Fields fields;
    // A kvtml entry with one side only: its comment, which gives the clue.
    std::u16string clue;
    // An Anki cloze note: the column of the field that holds the cloze markup.
    std::optional<std::size_t> clozeField;
};

struct Source {
    Format format = Format::Delimited;
    // The encoding the text was read in (textfile's numbers); kvtml files are
    // read by their XML declaration and keep kUtf8 here.
    std::int32_t encoding = 0;
    // Delimited text and Anki notes: the character between the fields.
    char16_t separator = 0;
    // Delimited text: the first row names the columns and is no entry.
    bool headerRow = false;
    // A name per column: the languages of a kvtml file, the header row's
    // cells, or empty where the source names none.
    std::vector<std::u16string> columns;
    std::vector<Record> records;
};

// A source that cannot be read as a list: the reason, in plain English words
// for the log, and a kind the interface turns into its own language.
class ImportError : public std::runtime_error {
public:
    enum class Kind {
        Unreadable,
        NotAFile,
        TooLarge,
        UnknownFormat,
        NoSeparator,
        BrokenXml,
        NotKvtml,
        OpenQuote,
        TooManyColumns
    };
    ImportError(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace listimport
