#include "import/anki_collection.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <array>
#include <cstring>
#include <optional>
#include <unordered_map>

#include "import/protobuf_fields.h"
#include "import/source.h"
#include "textfile/utf8.h"

namespace listimport {

namespace {

// Note type kinds, in the JSON of schema 11 and the protobuf of schema 18.
constexpr std::int64_t kClozeKind = 1;
// Anki's StockNotetype.OriginalStockKind for Image Occlusion.
constexpr std::int64_t kImageOcclusionStock = 6;
// Fields of the protobuf messages read here.
constexpr std::uint32_t kNoteTypeKind = 1;
constexpr std::uint32_t kNoteTypeStockKind = 9;
constexpr std::uint32_t kTemplateFront = 1;
constexpr std::uint32_t kTemplateBack = 2;
constexpr char kFieldSeparator = '\x1f';
// The largest text or blob a query may make: far beyond a note's fields.
constexpr int kMaxValueBytes = 64 * 1024 * 1024;

[[noreturn]] void notAnki(const std::string& detail) { throw ImportError(ImportError::Kind::BrokenPackage, detail); }

std::u16string text(std::string_view utf8)
{
    std::u16string decoded;
    textfile::detail::DecodeUtf8(utf8, decoded);
    return decoded;
}

std::u16string columnText(const SQLite::Column& column)
{
    const char* bytes = column.getText();
    return text(std::string_view(bytes, static_cast<std::size_t>(column.getBytes())));
}

std::string_view columnBlob(const SQLite::Column& column)
{
    const void* bytes = column.getBlob();
    return {static_cast<const char*>(bytes), static_cast<std::size_t>(column.getBytes())};
}

// Anki's "unicase" collation, needed to open tables that declare it. The
// reader never orders or compares by it; plain order of the bytes will do.
int unicaseStub(void* /*unused*/, int leftBytes, const void* left, int rightBytes, const void* right)
{
    const int common = std::memcmp(left, right, static_cast<std::size_t>(std::min(leftBytes, rightBytes)));
    return common != 0 ? common : leftBytes - rightBytes;
}

bool hasTable(SQLite::Database& db, const char* name)
{
    SQLite::Statement query(db, "select count(*) from sqlite_master where type = 'table' and name = ?");
    query.bind(1, name);
    return query.executeStep() && query.getColumn(0).getInt() > 0;
}

void readLegacyNoteTypes(SQLite::Database& db, AnkiCollection& collection)
{
    SQLite::Statement types(db,
                            "select cast(m.key as integer), json_extract(m.value, '$.type'), "
                            "json_extract(m.value, '$.originalStockKind') from col, json_each(col.models) m");
    while (types.executeStep()) {
        AnkiNoteType& type = collection.noteTypes[types.getColumn(0).getInt64()];
        type.cloze = types.getColumn(1).getInt64() == kClozeKind;
        type.imageOcclusion = types.getColumn(2).getInt64() == kImageOcclusionStock;
    }
    SQLite::Statement fields(db,
                             "select cast(m.key as integer), json_extract(f.value, '$.name') from col, "
                             "json_each(col.models) m, json_each(m.value, '$.flds') f "
                             "order by 1, json_extract(f.value, '$.ord')");
    while (fields.executeStep())
        collection.noteTypes[fields.getColumn(0).getInt64()].fields.push_back(columnText(fields.getColumn(1)));
    SQLite::Statement templates(db,
                                "select cast(m.key as integer), json_extract(t.value, '$.ord'), "
                                "json_extract(t.value, '$.qfmt'), json_extract(t.value, '$.afmt') from col, "
                                "json_each(col.models) m, json_each(m.value, '$.tmpls') t");
    while (templates.executeStep())
        collection.noteTypes[templates.getColumn(0).getInt64()]
            .templates[static_cast<std::uint32_t>(templates.getColumn(1).getInt64())] = {
            .front = columnText(templates.getColumn(2)), .back = columnText(templates.getColumn(3))};
    SQLite::Statement decks(db,
                            "select cast(d.key as integer), json_extract(d.value, '$.name') from col, "
                            "json_each(col.decks) d");
    while (decks.executeStep())
        collection.decks[decks.getColumn(0).getInt64()] = columnText(decks.getColumn(1));
}

void readNoteTypes(SQLite::Database& db, AnkiCollection& collection)
{
    SQLite::Statement types(db, "select id, config from notetypes");
    while (types.executeStep()) {
        const auto config = readProtobuf(columnBlob(types.getColumn(1)));
        if (!config)
            notAnki("a note type's settings are damaged");
        AnkiNoteType& type = collection.noteTypes[types.getColumn(0).getInt64()];
        const auto kind = config->numbers.find(kNoteTypeKind);
        const auto stock = config->numbers.find(kNoteTypeStockKind);
        type.cloze = kind != config->numbers.end() && kind->second == kClozeKind;
        type.imageOcclusion = stock != config->numbers.end() && stock->second == kImageOcclusionStock;
    }
    SQLite::Statement fields(db, "select ntid, name from fields order by ntid, ord");
    while (fields.executeStep())
        collection.noteTypes[fields.getColumn(0).getInt64()].fields.push_back(columnText(fields.getColumn(1)));
    SQLite::Statement templates(db, "select ntid, ord, config from templates");
    while (templates.executeStep()) {
        const auto config = readProtobuf(columnBlob(templates.getColumn(2)));
        if (!config)
            notAnki("a card template is damaged");
        const auto part = [&](std::uint32_t number) {
            const auto found = config->texts.find(number);
            return found == config->texts.end() ? std::u16string() : text(found->second);
        };
        collection.noteTypes[templates.getColumn(0).getInt64()]
            .templates[static_cast<std::uint32_t>(templates.getColumn(1).getInt64())] = {.front = part(kTemplateFront),
                                                                                         .back = part(kTemplateBack)};
    }
    SQLite::Statement decks(db, "select id, name from decks");
    while (decks.executeStep()) {
        // The latest schema keeps 0x1f between a deck path's parts.
        std::u16string name;
        for (const char16_t unit : columnText(decks.getColumn(1))) {
            if (unit == u'\x1f')
                name.append(u"::");
            else
                name.push_back(unit);
        }
        collection.decks[decks.getColumn(0).getInt64()] = std::move(name);
    }
}

std::vector<std::u16string> splitFields(std::string_view joined)
{
    std::vector<std::u16string> fields;
    for (;;) {
        const std::size_t end = joined.find(kFieldSeparator);
        fields.push_back(text(joined.substr(0, end)));
        if (end == std::string_view::npos)
            return fields;
        joined.remove_prefix(end + 1);
    }
}

void readNotesAndCards(SQLite::Database& db, AnkiCollection& collection)
{
    std::unordered_map<std::int64_t, std::size_t> noteIndex;
    SQLite::Statement notes(db, "select id, mid, flds from notes order by id");
    while (notes.executeStep()) {
        const SQLite::Column fields = notes.getColumn(2);
        noteIndex.emplace(notes.getColumn(0).getInt64(), collection.notes.size());
        collection.notes.push_back(
            {.type = notes.getColumn(1).getInt64(),
             .fields = splitFields(std::string_view(fields.getText(), static_cast<std::size_t>(fields.getBytes())))});
    }
    // A card a filtered deck has borrowed belongs to the deck it came from.
    SQLite::Statement cards(db,
                            "select nid, case when odid != 0 then odid else did end, ord from cards order by nid, ord");
    while (cards.executeStep()) {
        const auto note = noteIndex.find(cards.getColumn(0).getInt64());
        if (note == noteIndex.end())
            continue;
        collection.cards.push_back({.note = note->second,
                                    .deck = cards.getColumn(1).getInt64(),
                                    .ord = static_cast<std::uint32_t>(cards.getColumn(2).getInt64())});
    }
}

}  // namespace

AnkiCollection readAnkiCollection(const std::filesystem::path& file)
{
    AnkiCollection collection;
    try {
        SQLite::Database db(file.string(), SQLite::OPEN_READONLY);
        sqlite3_create_collation(db.getHandle(), "unicase", SQLITE_UTF8, nullptr, unicaseStub);
        // What the file's own schema may run while it is read is kept small:
        // no function with side effects, no text or blob beyond any note's.
        db.exec("pragma trusted_schema = off");
        sqlite3_limit(db.getHandle(), SQLITE_LIMIT_LENGTH, kMaxValueBytes);
        // A file that is not SQLite fails at its first read.
        db.exec("select count(*) from sqlite_master");
        for (const char* table : {"col", "notes", "cards"})
            if (!hasTable(db, table))
                notAnki(std::string("the collection has no table \"") + table + "\": it is not Anki's");
        const bool latest = hasTable(db, "notetypes");
        if (latest) {
            for (const char* table : {"fields", "templates", "decks"})
                if (!hasTable(db, table))
                    notAnki(std::string("the collection has no table \"") + table + "\": it is not Anki's");
            readNoteTypes(db, collection);
        } else {
            readLegacyNoteTypes(db, collection);
        }
        readNotesAndCards(db, collection);
    } catch (const SQLite::Exception& failure) {
        const int code = failure.getErrorCode() & 0xFF;
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)
            notAnki(std::string("the collection is not an SQLite database (") + failure.what() + ")");
        notAnki(std::string("the collection's tables are not Anki's (") + failure.what() + ")");
    }
    return collection;
}

}  // namespace listimport
