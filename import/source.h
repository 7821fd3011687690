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

enum class Format { Kvtml2, Kvtml1, Delimited, Anki, AnkiPackage };

// One entry of the source: its fields, one per column, as read (markup
// already turned into text); fields that are missing are empty.
struct Record {
    std::vector<std::u16string> fields;
    // A kvtml entry with one side only: its comment, which gives the clue.
    std::u16string clue;
    // An Anki cloze note: the field that holds the cloze markup.
    std::optional<std::size_t> clozeField;
    // An Anki package's card: the index of its deck in Source::decks.
    std::size_t deck = 0;
};

// A deck of an Anki package: its cards as Anki counts them, its notes and
// cards that give no line (Image Occlusion; a side that is only a picture or
// a sound) and its notes that lose something (pictures, sounds).
struct Deck {
    std::u16string name;
    std::size_t cards = 0;
    std::size_t imageOcclusionNotes = 0;
    std::size_t mediaOnlyCards = 0;
    std::size_t mediaNotes = 0;
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
    // Anki packages: the decks that hold cards, by name.
    std::vector<Deck> decks;
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
        BrokenPackage
    };
    ImportError(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace listimport
