#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Packages made in a test: a zip of named entries written with libarchive,
// and the zstd stream Anki's latest packages keep their collection in.

struct ZipEntry {
    std::string name;
    std::string bytes;
    // Written in pieces of this many copies of `bytes`: large entries without
    // holding them in memory.
    std::size_t repeat = 1;
};

inline void writeZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries)
{
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    if (archive_write_open_filename(zip, file.c_str()) != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(zip));
    for (const ZipEntry& item : entries) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, item.name.c_str());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, static_cast<la_int64_t>(item.bytes.size() * item.repeat));
        archive_write_header(zip, entry);
        for (std::size_t i = 0; i < item.repeat; ++i)
            archive_write_data(zip, item.bytes.data(), item.bytes.size());
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
}

// `bytes` repeated `repeat` times as one zstd stream that leaves out its size.
inline std::string zstdStream(std::string_view bytes, std::size_t repeat = 1)
{
    std::vector<char> out(1024 * 1024 + bytes.size() * repeat / 4);
    std::size_t used = 0;
    archive* raw = archive_write_new();
    archive_write_add_filter_zstd(raw);
    archive_write_set_format_raw(raw);
    archive_write_set_bytes_in_last_block(raw, 1);
    if (archive_write_open_memory(raw, out.data(), out.size(), &used) != ARCHIVE_OK)
        throw std::runtime_error(archive_error_string(raw));
    archive_entry* entry = archive_entry_new();
    archive_entry_set_filetype(entry, AE_IFREG);
    archive_write_header(raw, entry);
    for (std::size_t i = 0; i < repeat; ++i)
        archive_write_data(raw, bytes.data(), bytes.size());
    archive_entry_free(entry);
    archive_write_close(raw);
    archive_write_free(raw);
    return std::string(out.data(), used);
}

// The bytes of one entry of a zip.
inline std::string zipEntry(const std::filesystem::path& file, std::string_view name)
{
    archive* zip = archive_read_new();
    archive_read_support_format_zip(zip);
    archive_read_open_filename(zip, file.c_str(), 65536);
    archive_entry* entry = nullptr;
    std::string bytes;
    while (archive_read_next_header(zip, &entry) == ARCHIVE_OK) {
        if (archive_entry_pathname(entry) != name)
            continue;
        char block[65536];
        for (la_ssize_t count; (count = archive_read_data(zip, block, sizeof block)) > 0;)
            bytes.append(block, static_cast<std::size_t>(count));
        break;
    }
    archive_read_free(zip);
    return bytes;
}
