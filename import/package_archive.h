#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

// An Anki package is a zip archive; its newest collections are a zstd stream
// inside it. libarchive reads both. Nothing is unpacked by the names the
// archive gives: an entry is written only to a file the caller names.
namespace listimport {

// How an entry's bytes are stored inside the zip.
enum class EntryPacking { Plain, Zstd };

// The entries of a package, by name, with the bytes of the small ones.
struct PackageEntries {
    std::map<std::string, std::string> small;
    std::map<std::string, std::int64_t> sizes;

    bool has(const std::string& name) const { return sizes.contains(name); }
};

// Lists the archive's entries and keeps the bytes of those no larger than
// `smallBytes`. Throws ImportError when the file is no zip or a broken one.
PackageEntries listPackage(const std::filesystem::path& package, std::size_t smallBytes);

// Writes the entry `name` to the new file `target`, unpacked, and at most
// `limit` bytes of it: an entry that unpacks to more is refused as a bomb.
// Throws ImportError.
void unpackEntry(const std::filesystem::path& package, const std::string& name, EntryPacking packing,
                 const std::filesystem::path& target, std::uintmax_t limit);

}  // namespace listimport
