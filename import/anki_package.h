#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/source.h"

// Anki's packages: shared decks (.apkg) and whole collections (.colpkg), a
// zip of every layout Anki has written: 2.0 (collection.anki2), 2.1 legacy
// (collection.anki21 beside a dummy collection.anki2) and the latest (a
// `meta` entry of version 3 and collection.anki21b, the SQLite file as a zstd
// stream). The collection is unpacked into a private temporary folder, never
// whole into memory, and read there; the folder goes afterwards.
namespace listimport {

// An entry may unpack to this much, and to more than kMaxInflation times the
// package's size only below kFreeInflationBytes: a zip bomb stops there.
inline constexpr std::uintmax_t kMaxUnpackedBytes = std::uintmax_t{2} * 1024 * 1024 * 1024;
inline constexpr std::uintmax_t kMaxInflation = 200;
inline constexpr std::uintmax_t kFreeInflationBytes = 64 * 1024 * 1024;

// Whether the file is named as an Anki package (.apkg, .colpkg).
bool isAnkiPackageName(const std::u16string& fileName);

// The package's cards as a source (see import/anki_cards.h). Throws
// ImportError: BrokenPackage with the reason for anything but a readable
// package, Unreadable when the file cannot be read.
Source readAnkiPackage(const std::u16string& fileName);

// The first of `names` that is no deck of the source, if any.
std::optional<std::u16string> unknownDeck(const Source& source, const std::vector<std::u16string>& names);

// Whether naming a deck takes the decks below it ("Deutsch" takes
// "Deutsch::Farben"), as the command line's names do, or not, as the preview's
// list of every deck does.
enum class DecksBelow { Included, Apart };

// The source with only the cards of the named decks.
Source onlyDecks(const Source& source, const std::vector<std::u16string>& names,
                 DecksBelow below = DecksBelow::Included);

}  // namespace listimport
