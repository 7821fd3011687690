#include "import/anki_package.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "import/anki_cards.h"
#include "import/anki_collection.h"
#include "import/package_archive.h"
#include "import/private_folder.h"
#include "import/protobuf_fields.h"
#include "textfile/file_names.h"

namespace listimport {

namespace {

// The versions the `meta` entry names (Anki's PackageMetadata.Version).
constexpr std::uint64_t kLegacy1 = 1;
constexpr std::uint64_t kLegacy2 = 2;
constexpr std::uint64_t kLatest = 3;
constexpr std::uint32_t kMetaVersion = 1;
constexpr std::size_t kSmallEntryBytes = 4096;

[[noreturn]] void broken(const std::string& detail) { throw ImportError(ImportError::Kind::BrokenPackage, detail); }

struct Collection {
    std::string entry;
    EntryPacking packing = EntryPacking::Plain;
};

std::uint64_t metaVersion(const PackageEntries& entries)
{
    const auto meta = entries.small.find("meta");
    if (meta == entries.small.end())
        broken("the package's version entry is damaged");
    const auto fields = readProtobuf(meta->second);
    if (!fields)
        broken("the package's version entry is damaged");
    const auto version = fields->numbers.find(kMetaVersion);
    return version == fields->numbers.end() ? 0 : version->second;
}

// The entry that holds the package's collection, by its layout.
Collection collectionOf(const PackageEntries& entries)
{
    if (entries.has("meta")) {
        const std::uint64_t version = metaVersion(entries);
        if (version > kLatest)
            broken("the package was made by a newer Anki (version " + std::to_string(version) + ")");
        if (version == kLatest) {
            if (!entries.has("collection.anki21b"))
                broken("the package holds no collection.anki21b");
            return {.entry = "collection.anki21b", .packing = EntryPacking::Zstd};
        }
        if (version == kLegacy2 && entries.has("collection.anki21"))
            return {.entry = "collection.anki21", .packing = EntryPacking::Plain};
        if ((version == kLegacy1 || version == kLegacy2) && entries.has("collection.anki2"))
            return {.entry = "collection.anki2", .packing = EntryPacking::Plain};
    }
    if (entries.has("collection.anki21"))
        return {.entry = "collection.anki21", .packing = EntryPacking::Plain};
    if (entries.has("collection.anki2"))
        return {.entry = "collection.anki2", .packing = EntryPacking::Plain};
    broken("the package holds no Anki collection");
}

std::uintmax_t unpackLimit(const std::filesystem::path& package)
{
    std::error_code error;
    const std::uintmax_t packed = std::filesystem::file_size(package, error);
    if (error)
        return kFreeInflationBytes;
    return std::min(kMaxUnpackedBytes, std::max(kFreeInflationBytes, packed * kMaxInflation));
}

bool isDeckOrBelow(std::u16string_view deck, std::u16string_view name)
{
    return deck == name || (deck.starts_with(name) && deck.substr(name.size()).starts_with(u"::"));
}

bool chosen(const Deck& deck, const std::vector<std::u16string>& names, DecksBelow below)
{
    return std::any_of(names.begin(), names.end(), [&](const std::u16string& name) {
        return below == DecksBelow::Included ? isDeckOrBelow(deck.name, name) : deck.name == name;
    });
}

}  // namespace

bool isAnkiPackageName(const std::u16string& fileName)
{
    std::u16string lower = fileName;
    for (char16_t& unit : lower)
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    return lower.ends_with(u".apkg") || lower.ends_with(u".colpkg");
}

Source readAnkiPackage(const std::u16string& fileName)
{
    const std::filesystem::path package(textfile::NameBytes(fileName));
    std::error_code error;
    if (!std::filesystem::exists(package, error))
        throw ImportError(ImportError::Kind::Unreadable, "the file does not exist");
    if (!std::filesystem::is_regular_file(package, error))
        throw ImportError(ImportError::Kind::NotAFile, "not a regular file");
    const Collection collection = collectionOf(listPackage(package, kSmallEntryBytes));
    const PrivateFolder folder;
    const std::filesystem::path unpacked = folder.path() / "collection";
    unpackEntry(package, collection.entry, collection.packing, unpacked, unpackLimit(package));
    Source source = ankiCards(readAnkiCollection(unpacked));
    if (source.decks.empty())
        broken("the package holds no cards (only Anki's note for older programs, or nothing)");
    return source;
}

std::optional<std::u16string> unknownDeck(const Source& source, const std::vector<std::u16string>& names)
{
    for (const std::u16string& name : names)
        if (std::none_of(source.decks.begin(), source.decks.end(),
                         [&](const Deck& deck) { return isDeckOrBelow(deck.name, name); }))
            return name;
    return std::nullopt;
}

Source onlyDecks(const Source& source, const std::vector<std::u16string>& names, DecksBelow below)
{
    Source kept;
    kept.format = source.format;
    kept.columns = source.columns;
    std::vector<std::size_t> moved(source.decks.size(), SIZE_MAX);
    for (std::size_t i = 0; i < source.decks.size(); ++i) {
        if (!chosen(source.decks[i], names, below))
            continue;
        moved[i] = kept.decks.size();
        kept.decks.push_back(source.decks[i]);
    }
    for (const Record& record : source.records) {
        if (moved[record.deck] == SIZE_MAX)
            continue;
        kept.records.push_back(record);
        kept.records.back().deck = moved[record.deck];
    }
    return kept;
}

}  // namespace listimport
