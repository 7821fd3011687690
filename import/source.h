#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Lists from other trainers' files: what a source file holds once it is read,
// before it becomes question lines.
namespace listimport {

enum class Format { Kvtml2, Kvtml1, Delimited, Anki, AnkiPackage };

// The columns a source may have: far more than any list has sides, few enough
// that a row of separators stays small.
inline constexpr std::size_t kMaxColumns = 256;

// One field that holds text, and the column it stands in (from 0).
struct Field {
    std::size_t column = 0;
    std::u16string_view text;
};

// The fields of one row that hold text, in the order of their columns; empty
// fields are not kept, so that a file of separators takes no room. They are
// packed into one string (each field its column, its length and its text), so
// that a row takes little more room than its text, however many rows a file has.
class Fields {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = Field;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Field;

        Iterator() = default;
        explicit Iterator(std::u16string_view rest) : rest_(rest) {}
        Field operator*() const;
        Iterator& operator++();
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const Iterator& other) const { return rest_.data() == other.rest_.data(); }

    private:
        std::u16string_view rest_;
    };

    Fields() = default;
    Fields(const Fields& other) { *this = other; }
    Fields& operator=(const Fields& other);
    Fields(Fields&&) noexcept = default;
    Fields& operator=(Fields&&) noexcept = default;
    ~Fields() = default;

    // Adds a field after those there are, in a column further right; an empty text is left out.
    void add(std::size_t column, std::u16string_view text);
    bool empty() const { return size_ == 0; }
    // Gives back the room kept for further fields.
    void shrink_to_fit();
    Iterator begin() const { return Iterator(packed()); }
    Iterator end() const { return Iterator(packed().substr(size_)); }
    // The text in `column`; empty when the column holds none.
    std::u16string_view in(std::size_t column) const;

private:
    std::u16string_view packed() const { return {packed_.get(), size_}; }

    void reallocate(std::size_t capacity);

    std::unique_ptr<char16_t[]> packed_;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;
};

// One entry of the source: its fields as read (markup already turned into text).
struct Record {
    Fields fields;
    // Delimited text: how many fields its line has, the empty ones counted.
    std::uint16_t width = 0;
    // A kvtml entry with one side only: its comment, which gives the clue.
    std::u16string_view clue() const { return fields.in(kClueColumn); }
    void setClue(std::u16string_view clue) { fields.add(kClueColumn, clue); }
    // An Anki cloze note: the column of the field that holds the cloze markup.
    std::optional<std::uint16_t> clozeField;
    // An Anki package's card: the index of its deck in Source::decks.
    std::size_t deck = 0;

    // The clue is kept as a field right of every column.
    static constexpr std::size_t kClueColumn = kMaxColumns;
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
        TooManyColumns,
        BrokenPackage,
    };
    ImportError(Kind kind, const std::string& detail) : std::runtime_error(detail), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

}  // namespace listimport
