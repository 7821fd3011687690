#include "textfile/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

#include "textfile/file_error.h"
#include "textfile/file_names.h"
#include "textfile/large_buffers.h"
#include "textfile/utf8.h"

namespace textfile::detail {
namespace {

namespace fs = std::filesystem;

// Sizes and counts of text files are 32-bit; larger files are refused.
constexpr std::uint64_t kLargestFile = 0x7FFFFFFF;
constexpr std::size_t kErrorTextBuffer = 256;
constexpr std::size_t kTempNameStemBytes = 200;  // keeps temporary names within NAME_MAX
constexpr int kTempNameAttempts = 16;
constexpr mode_t kNewFileMode = 0666;    // narrowed by the umask
constexpr mode_t kNewFolderMode = 0777;  // narrowed by the umask
constexpr mode_t kPermissionBits = 07777;
constexpr std::string_view kBlanks = " \t\r\n";
constexpr int kMostLinksFollowed = 40;  // as the system itself follows at most

// strerror_r comes in two flavours; either way this gives the message.
[[maybe_unused]] const char* MessageOf(int result, const char* buffer) { return result == 0 ? buffer : nullptr; }
[[maybe_unused]] const char* MessageOf(const char* result, const char*) { return result; }

bool SystemKnows(int error, std::string_view text)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    static_cast<void>(text);
    return strerrorname_np(error) != nullptr;
#else
    static_cast<void>(error);
    return !text.starts_with("Unknown error");
#endif
}

std::string SystemErrorText(int error)
{
    char buffer[kErrorTextBuffer] = {};
    const char* message = MessageOf(strerror_r(error, buffer, sizeof buffer), buffer);
    std::string_view text = message != nullptr ? message : "";
    const std::size_t first = text.find_first_not_of(kBlanks);
    text = first == std::string_view::npos ? std::string_view{} : text.substr(first);
    text = text.substr(0, text.find_last_not_of(kBlanks) + 1);
    if (text.empty() || !SystemKnows(error, text)) {
        return "Unspecified error (" + std::to_string(error) + ") from system.";
    }
    return std::string(text);
}

// The name as the user should see it in a message: absolute, without "." and "..", bytes
// that are not UTF-8 as the characters they most likely stood for, and "?" for a U+0000,
// which would end the message early.
std::string FullPath(std::u16string_view fileName)
{
    const fs::path name(LocalName(fileName));
    std::error_code error;
    const fs::path absolute = fs::absolute(name, error);
    const std::string full = error ? name.native() : absolute.lexically_normal().native();
    std::string shown;
    AppendUtf8(ReadableName(NameFromBytes(full)), shown);
    std::replace(shown.begin(), shown.end(), '\0', '?');
    return shown;
}

[[noreturn]] void Fail(std::string_view what, std::u16string_view fileName, std::string_view reason)
{
    throw FileError(std::string(what) + " \"" + FullPath(fileName) + "\". " + std::string(reason));
}
[[noreturn]] void CannotOpen(std::u16string_view fileName, std::string_view reason)
{
    Fail("Cannot open file", fileName, reason);
}
[[noreturn]] void CannotOpen(std::u16string_view fileName, int error) { CannotOpen(fileName, SystemErrorText(error)); }
[[noreturn]] void CannotCreate(std::u16string_view fileName, std::string_view reason)
{
    Fail("Cannot create file", fileName, reason);
}
[[noreturn]] void CannotCreate(std::u16string_view fileName, int error)
{
    CannotCreate(fileName, SystemErrorText(error));
}
// A write that failed half-way (a full disk, a lost network folder): the old file stays.
[[noreturn]] void StreamWriteError(std::u16string_view fileName, int error)
{
    Fail("Stream write error", fileName, SystemErrorText(error));
}
// The folder refuses the temporary file that a save starts with, whatever the file itself allows.
[[noreturn]] void CannotWriteFolder(const fs::path& folder, int error)
{
    Fail("Cannot write to folder", NameFromBytes(folder.native()), SystemErrorText(error));
}

// For FIFOs, devices and sockets, which a text file operation must neither wait on nor replace.
constexpr std::string_view kNotRegular = "Not a regular file";

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        if (this != &other) {
            Close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~FileDescriptor() { Close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Gives the result of close(), which may report a failed write.
    int Close() { return valid() ? ::close(std::exchange(fd_, -1)) : 0; }

private:
    int fd_;
};

// Opens a regular file for reading; others may read it meanwhile but nobody may write it.
// Never blocks: a FIFO is refused, and a file someone is writing fails at once.
FileDescriptor OpenForReading(const std::u16string& fileName, std::uint64_t& size)
{
    if (fileName.find(u'\0') != std::u16string::npos)
        CannotOpen(fileName, EINVAL);
    FileDescriptor file(::open(LocalName(fileName).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid())
        CannotOpen(fileName, errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        CannotOpen(fileName, errno);
    if (S_ISDIR(status.st_mode))
        CannotOpen(fileName, EISDIR);
    if (!S_ISREG(status.st_mode))
        CannotOpen(fileName, kNotRegular);
    if (static_cast<std::uint64_t>(status.st_size) > kLargestFile)
        CannotOpen(fileName, EFBIG);
    if (::flock(file.get(), LOCK_SH | LOCK_NB) != 0)
        CannotOpen(fileName, errno);
    size = static_cast<std::uint64_t>(status.st_size);
    return file;
}

// Reads until `buffer` is full or the file ends; gives the number of bytes read.
std::size_t ReadInto(const std::u16string& fileName, int fd, char* buffer, std::size_t count)
{
    std::size_t filled = 0;
    while (filled < count) {
        const ssize_t got = ::read(fd, buffer + filled, count - filled);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            CannotOpen(fileName, errno);
        }
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

// Gives 0, or the error that stopped the write.
int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return ENOSPC;  // the system took nothing and said no more
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

std::string RandomSuffix()
{
    static std::atomic<std::uint64_t> counter{0};
    thread_local std::mt19937_64 generator{std::random_device{}()};
    const std::uint64_t value = generator() ^ (counter++ << 32) ^ static_cast<std::uint64_t>(::getpid());
    static constexpr std::string_view kDigits = "0123456789abcdef";
    static constexpr int kNibbleBits = 4;
    static constexpr int kSuffixDigits = 12;
    std::string suffix;
    for (int i = 0; i < kSuffixDigits; ++i)
        suffix.push_back(kDigits[(value >> (kNibbleBits * i)) & 0xF]);
    return suffix;
}

// A new, exclusively locked file beside the target. Removed again unless Commit() is called.
class TemporaryFile {
public:
    TemporaryFile(const std::u16string& fileName, const fs::path& target)
    {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        const std::string stem = target.filename().string().substr(0, kTempNameStemBytes);
        for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
            path_ = folder / ("." + stem + "." + RandomSuffix() + ".tmp");
            const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, kNewFileMode);
            if (fd >= 0) {
                file_ = FileDescriptor(fd);
                break;
            }
            const int error = errno;
            if (error == ENOENT)
                CannotCreate(fileName, error);
            if (error != EEXIST)
                CannotWriteFolder(folder, error);
        }
        if (!file_.valid())
            CannotCreate(fileName, EEXIST);
        if (::flock(file_.get(), LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            Remove();
            CannotCreate(fileName, error);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { Remove(); }

    int fd() const { return file_.get(); }
    const fs::path& path() const { return path_; }
    int Close() { return file_.Close(); }
    void Commit() { committed_ = true; }

private:
    void Remove()
    {
        file_.Close();
        if (!committed_)
            ::unlink(path_.c_str());
    }

    fs::path path_;
    FileDescriptor file_;
    bool committed_ = false;
};

// Makes a finished rename durable. A failure here changes nothing for the user.
void SyncFolder(const fs::path& target)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid())
        ::fsync(directory.get());
}

fs::path FollowLink(const std::u16string& fileName, const fs::path& name)
{
    std::error_code error;
    fs::path target = FollowLinks(name, error);
    if (error)
        CannotCreate(fileName, error.value());
    return target;
}

std::u16string Utf16Name(const fs::path& name) { return NameFromBytes(name.native()); }

}  // namespace

std::string LocalName(std::u16string_view fileName) { return NameBytes(fileName); }

fs::path FollowLinks(const fs::path& name, std::error_code& error)
{
    fs::path current = name;
    for (int hop = 0;; ++hop) {
        error.clear();
        if (!fs::is_symlink(fs::symlink_status(current, error)) || error) {
            error.clear();
            return current;
        }
        if (hop == kMostLinksFollowed) {
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return current;
        }
        const fs::path target = fs::read_symlink(current, error);
        if (error)
            return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
}

std::string ReadFileStart(const std::u16string& fileName, std::size_t count)
{
    std::uint64_t size = 0;
    const FileDescriptor file = OpenForReading(fileName, size);
    std::string bytes(count, '\0');
    bytes.resize(ReadInto(fileName, file.get(), bytes.data(), count));
    return bytes;
}

FileBytes::FileBytes(std::size_t capacity)
    : data_(std::make_unique_for_overwrite<char[]>(capacity)), capacity_(capacity)
{
    AdviseLargeBuffer(data_.get(), capacity_);
}

FileBytes ReadWholeFile(const std::u16string& fileName)
{
    std::uint64_t size = 0;
    const FileDescriptor file = OpenForReading(fileName, size);
    // One byte more than the size, so that the end of the file shows in the same read.
    FileBytes bytes(static_cast<std::size_t>(size) + 1);
    bytes.size_ = ReadInto(fileName, file.get(), bytes.data_.get(), bytes.capacity_);
    while (bytes.size_ == bytes.capacity_) {  // the file grew while we read it
        if (bytes.capacity_ > kLargestFile)
            CannotOpen(fileName, EFBIG);
        FileBytes larger(bytes.capacity_ * 2);
        std::memcpy(larger.data_.get(), bytes.data_.get(), bytes.size_);
        larger.size_ = bytes.size_;
        larger.size_ +=
            ReadInto(fileName, file.get(), larger.data_.get() + larger.size_, larger.capacity_ - larger.size_);
        bytes = std::move(larger);
    }
    return bytes;
}

void ReplaceFile(const std::u16string& fileName, std::string_view content)
{
    if (fileName.find(u'\0') != std::u16string::npos)
        CannotCreate(fileName, EINVAL);
    const fs::path named(LocalName(fileName));
    const fs::path target = FollowLink(fileName, named);
    // Failures from here on concern the file the name leads to.
    const std::u16string shown = target == named ? fileName : Utf16Name(target);

    struct stat status {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (!exists && errno != ENOENT)
        CannotCreate(shown, errno);
    if (exists && S_ISDIR(status.st_mode))
        CannotCreate(shown, EISDIR);
    if (exists && !S_ISREG(status.st_mode))
        CannotCreate(shown, kNotRegular);
    if (!target.has_filename())
        CannotCreate(shown, ENOENT);
    // Renaming would replace a file that we may not write; refuse it as opening it would.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        CannotCreate(shown, errno);

    TemporaryFile temporary(shown, target);
    if (const int error = WriteAll(temporary.fd(), content); error != 0)
        StreamWriteError(shown, error);
    if (::fsync(temporary.fd()) != 0)
        StreamWriteError(shown, errno);
    // The new file keeps the old one's permissions; failing that, it has the default ones.
    if (exists)
        static_cast<void>(::fchmod(temporary.fd(), status.st_mode & kPermissionBits));
    if (temporary.Close() != 0)
        StreamWriteError(shown, errno);
    if (::rename(temporary.path().c_str(), target.c_str()) != 0)
        CannotCreate(shown, errno);
    temporary.Commit();
    SyncFolder(target);
}

void MakeFolders(const std::u16string& folder)
{
    if (folder.find(u'\0') != std::u16string::npos)
        Fail("Cannot create folder", folder, SystemErrorText(EINVAL));
    fs::path made;
    for (const fs::path& part : fs::path(LocalName(folder)).lexically_normal()) {
        made /= part;
        if (part.empty() || part == "/")
            continue;
        if (::mkdir(made.c_str(), kNewFolderMode) == 0)
            continue;
        const int error = errno;
        struct stat status {};
        if (::stat(made.c_str(), &status) != 0)
            Fail("Cannot create folder", Utf16Name(made), SystemErrorText(error));
        if (!S_ISDIR(status.st_mode))
            Fail("Cannot create folder", Utf16Name(made), SystemErrorText(ENOTDIR));
    }
}

}  // namespace textfile::detail
