#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// What the import needs of an Anki collection, an SQLite file: its note types
// with their fields and card templates, its decks, its notes and its cards.
// Two schemas: 11 (Anki 2.0 and 2.1's legacy packages: note types and decks
// as JSON in `col`) and 18 (the latest: tables of their own, settings as
// protobuf). Names in the latest schema use a collation of Anki's own, which
// this reader never compares on.
namespace listimport {

struct AnkiTemplate {
    std::u16string front;
    std::u16string back;
};

struct AnkiNoteType {
    bool cloze = false;
    // Anki's Image Occlusion: a cloze kind whose clozes are shapes on a picture.
    bool imageOcclusion = false;
    std::vector<std::u16string> fields;
    // By the card's `ord`.
    std::map<std::uint32_t, AnkiTemplate> templates;
};

struct AnkiNote {
    std::int64_t type = 0;
    std::vector<std::u16string> fields;
};

struct AnkiCard {
    // The index of its note in AnkiCollection::notes.
    std::size_t note = 0;
    std::int64_t deck = 0;
    std::uint32_t ord = 0;
};

struct AnkiCollection {
    std::map<std::int64_t, AnkiNoteType> noteTypes;
    // Deck paths with "::" between their parts, as Anki shows them.
    std::map<std::int64_t, std::u16string> decks;
    // Notes in the order they were added; cards by note, then by `ord`.
    std::vector<AnkiNote> notes;
    std::vector<AnkiCard> cards;
};

// Reads the collection, opened for reading only. Throws ImportError when the
// file is no SQLite database or not Anki's.
AnkiCollection readAnkiCollection(const std::filesystem::path& file);

}  // namespace listimport
