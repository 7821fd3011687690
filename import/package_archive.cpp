#include "import/package_archive.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "import/source.h"

namespace listimport {

namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;

[[noreturn]] void broken(const std::string& detail) { throw ImportError(ImportError::Kind::BrokenPackage, detail); }

struct ArchiveCloser {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using Archive = std::unique_ptr<archive, ArchiveCloser>;

std::string reason(archive* reader)
{
    const char* text = archive_error_string(reader);
    return text != nullptr ? text : "unknown error";
}

Archive openZip(const std::filesystem::path& package)
{
    Archive zip(archive_read_new());
    if (!zip)
        broken("out of memory");
    archive_read_support_format_zip(zip.get());
    if (archive_read_open_filename(zip.get(), package.c_str(), kBlockBytes) != ARCHIVE_OK)
        broken("not a zip archive (" + reason(zip.get()) + ")");
    return zip;
}

// The next entry, or none at the archive's end.
archive_entry* nextEntry(archive* zip)
{
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(zip, &entry);
    if (status == ARCHIVE_EOF)
        return nullptr;
    if (status != ARCHIVE_OK && status != ARCHIVE_WARN)
        broken("the zip archive is damaged or cut short (" + reason(zip) + ")");
    return entry;
}

std::string entryName(archive_entry* entry)
{
    const char* name = archive_entry_pathname(entry);
    return name != nullptr ? name : "";
}

// A file opened for writing that is new; never one that was there, nor a link.
class NewFile {
public:
    explicit NewFile(const std::filesystem::path& path)
        : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600))
    {
        if (fd_ < 0)
            throw ImportError(ImportError::Kind::Unreadable,
                              std::string("cannot write the unpacked collection: ") + std::strerror(errno));
    }
    ~NewFile() { ::close(fd_); }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    void write(const char* bytes, std::size_t count)
    {
        while (count > 0) {
            const ssize_t written = ::write(fd_, bytes, count);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                throw ImportError(ImportError::Kind::Unreadable,
                                  std::string("cannot write the unpacked collection: ") + std::strerror(errno));
            bytes += written;
            count -= static_cast<std::size_t>(written);
        }
    }

private:
    int fd_;
};

// Copies what `reader` unpacks into `file`, refusing more than `limit` bytes.
void copyData(archive* reader, NewFile& file, std::uintmax_t limit)
{
    std::vector<char> block(kBlockBytes);
    std::uintmax_t total = 0;
    for (;;) {
        const la_ssize_t count = archive_read_data(reader, block.data(), block.size());
        if (count == 0)
            return;
        if (count < 0)
            broken("the collection is cut short or damaged and cannot be unpacked (" + reason(reader) + ")");
        total += static_cast<std::uintmax_t>(count);
        if (total > limit)
            broken("the collection unpacks to more than " + std::to_string(limit / (1024 * 1024)) +
                   " MB, far more than a package of this size holds");
        file.write(block.data(), static_cast<std::size_t>(count));
    }
}

// The zstd stream inside a zip entry, fed block by block to a second reader.
struct ZipStream {
    archive* zip = nullptr;
    std::vector<char> block = std::vector<char>(kBlockBytes);
    std::string failure;
};

la_ssize_t readZipBlock(archive* /*reader*/, void* client, const void** buffer)
{
    auto* stream = static_cast<ZipStream*>(client);
    const la_ssize_t count = archive_read_data(stream->zip, stream->block.data(), stream->block.size());
    if (count < 0) {
        stream->failure = reason(stream->zip);
        return ARCHIVE_FATAL;
    }
    *buffer = stream->block.data();
    return count;
}

void unpackZstd(archive* zip, NewFile& file, std::uintmax_t limit)
{
    ZipStream stream;
    stream.zip = zip;
    Archive zstd(archive_read_new());
    if (!zstd)
        broken("out of memory");
    archive_read_support_filter_zstd(zstd.get());
    archive_read_support_format_raw(zstd.get());
    if (archive_read_open(zstd.get(), &stream, nullptr, readZipBlock, nullptr) != ARCHIVE_OK)
        broken("the collection's zstd stream is cut short or damaged (" +
               (stream.failure.empty() ? reason(zstd.get()) : stream.failure) + ")");
    archive_entry* entry = nullptr;
    if (archive_read_next_header(zstd.get(), &entry) != ARCHIVE_OK)
        broken("the collection's zstd stream is cut short or damaged (" + reason(zstd.get()) + ")");
    // The raw reader passes bytes through unchanged when no filter knows them.
    if (archive_filter_count(zstd.get()) < 2 || archive_filter_code(zstd.get(), 0) != ARCHIVE_FILTER_ZSTD)
        broken("the collection is not a zstd stream");
    copyData(zstd.get(), file, limit);
}

}  // namespace

PackageEntries listPackage(const std::filesystem::path& package, std::size_t smallBytes)
{
    PackageEntries entries;
    Archive zip = openZip(package);
    while (archive_entry* entry = nextEntry(zip.get())) {
        const std::string name = entryName(entry);
        const std::int64_t size = archive_entry_size_is_set(entry) != 0 ? archive_entry_size(entry) : -1;
        entries.sizes[name] = size;
        if (size < 0 || static_cast<std::uint64_t>(size) > smallBytes)
            continue;
        std::string bytes(static_cast<std::size_t>(size), '\0');
        std::size_t filled = 0;
        while (filled < bytes.size()) {
            const la_ssize_t count = archive_read_data(zip.get(), bytes.data() + filled, bytes.size() - filled);
            if (count < 0)
                broken("the zip archive is damaged or cut short (" + reason(zip.get()) + ")");
            if (count == 0)
                break;
            filled += static_cast<std::size_t>(count);
        }
        bytes.resize(filled);
        entries.small[name] = std::move(bytes);
    }
    return entries;
}

void unpackEntry(const std::filesystem::path& package, const std::string& name, EntryPacking packing,
                 const std::filesystem::path& target, std::uintmax_t limit)
{
    Archive zip = openZip(package);
    while (archive_entry* entry = nextEntry(zip.get())) {
        if (entryName(entry) != name)
            continue;
        NewFile file(target);
        if (packing == EntryPacking::Zstd)
            unpackZstd(zip.get(), file, limit);
        else
            copyData(zip.get(), file, limit);
        return;
    }
    broken("the package holds no " + name);
}

}  // namespace listimport
