#include "memory/review_store.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <sys/stat.h>
#include <cerrno>
#include <cstring>
#include <ctime>

#include "memory/store_internals.h"

// The store's file: opening it (and making it, its folder and its rights),
// moving a damaged one aside, and naming every failure.

namespace memory {

using namespace store_detail;

namespace {

std::string system_error_text(int error)
{
    char buffer[256] = {};
    return strerror_r(error, buffer, sizeof buffer);
}

bool is_disk_full(int error) { return error == ENOSPC || error == EFBIG || error == EDQUOT; }

// After a write error whose cause SQLite did not keep: whether the store has no
// room left, on its file system or under the process's file size limit.
bool looks_full(const std::filesystem::path& path)
{
    constexpr std::uintmax_t kRoomNeeded = 256 * 1024;
    struct statvfs disk {};
    if (statvfs(path.parent_path().empty() ? "." : path.parent_path().c_str(), &disk) == 0 &&
        static_cast<std::uintmax_t>(disk.f_bavail) * disk.f_frsize < kRoomNeeded)
        return true;
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    std::error_code ignored;
    std::uintmax_t largest = 0;
    for (const char* suffix : {"", "-wal"}) {
        auto file = path;
        file += suffix;
        const auto size = std::filesystem::file_size(file, ignored);
        if (!ignored)
            largest = std::max(largest, size);
    }
    return largest + kRoomNeeded > limit.rlim_cur;
}

StoreProblem problem_of(int code, int system_error)
{
    switch (code & 0xff) {
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return StoreProblem::Corrupt;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return StoreProblem::Locked;
        case SQLITE_FULL:
            return StoreProblem::DiskFull;
        case SQLITE_READONLY:
            return StoreProblem::ReadOnly;
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
        case SQLITE_AUTH:
            return StoreProblem::Unreadable;
        case SQLITE_IOERR:
            return is_disk_full(system_error) ? StoreProblem::DiskFull : StoreProblem::Other;
        default:
            return StoreProblem::Other;
    }
}

std::string problem_words(StoreProblem problem)
{
    switch (problem) {
        case StoreProblem::Corrupt:
            return "the file is damaged";
        case StoreProblem::Folder:
            return "it is a folder";
        case StoreProblem::Unreadable:
            return "it cannot be read";
        case StoreProblem::ReadOnly:
            return "it cannot be written";
        case StoreProblem::Locked:
            return "another program holds it locked";
        case StoreProblem::DiskFull:
            return "the disk is full";
        case StoreProblem::NotAFile:
            return "it is no regular file";
        case StoreProblem::FolderReadOnly:
            return "its folder cannot be written";
        case StoreProblem::Other:
            break;
    }
    return "it cannot be used";
}

// The file beside `path` a damaged store is moved to: never over an earlier one.
std::filesystem::path aside_name(const std::filesystem::path& path)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::filesystem::path aside = path;
    aside += std::string(".damaged-") + stamp;
    for (int n = 2; std::filesystem::exists(aside); ++n) {
        aside = path;
        aside += std::string(".damaged-") + stamp + "-" + std::to_string(n);
    }
    return aside;
}

}  // namespace

StoreError::StoreError(StoreProblem problem, std::filesystem::path path, std::string detail)
    : std::runtime_error(path.string() + ": " + problem_words(problem) + (detail.empty() ? "" : " (" + detail + ")")),
      problem_(problem),
      path_(std::move(path)),
      detail_(std::move(detail))
{
}

ReviewStore::ReviewStore(const std::filesystem::path& path) : ReviewStore(path, Options{}) {}

ReviewStore::ReviewStore(const std::filesystem::path& path, Options options)
    : path_(path), desired_retention_(options.desired_retention), scheduler_(options.desired_retention)
{
    try {
        open(options);
    } catch (const StoreError& error) {
        if (error.problem() != StoreProblem::Corrupt)
            throw;
        db_.reset();
        const auto aside = move_aside(path_);
        moved_aside_ = aside;
        open(options);
    }
}

ReviewStore::~ReviewStore() = default;

std::filesystem::path ReviewStore::move_aside(const std::filesystem::path& path)
{
    // Keep the damaged file and its journal for whoever wants to rescue it.
    const auto aside = aside_name(path);
    std::error_code ignored;
    for (const char* suffix : {"-wal", "-shm"}) {
        auto companion = path;
        companion += suffix;
        auto companion_aside = aside;
        companion_aside += suffix;
        if (std::filesystem::exists(companion, ignored))
            std::filesystem::rename(companion, companion_aside, ignored);
    }
    std::error_code moved;
    std::filesystem::rename(path, aside, moved);
    if (moved)
        throw StoreError(StoreProblem::Corrupt, path, "it could not be moved aside: " + moved.message());
    return aside;
}

void ReviewStore::open(Options options)
{
    std::error_code error;
    if (std::filesystem::is_directory(path_, error))
        throw StoreError(StoreProblem::Folder, path_, "");
    if (path_.has_parent_path()) {
        std::filesystem::create_directories(path_.parent_path(), error);
        if (error)
            throw StoreError(is_disk_full(error.value()) ? StoreProblem::DiskFull : StoreProblem::Unreadable, path_,
                             error.message());
    }
    const std::filesystem::path folder = path_.has_parent_path() ? path_.parent_path() : ".";
    // Made by us, so that only its owner may read it; SQLite gives its journal the same rights.
    // Not blocking: a pipe put in its place must not hold the program up.
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) {
        const int open_error = errno;
        StoreProblem problem = StoreProblem::Other;
        if (is_disk_full(open_error)) {
            problem = StoreProblem::DiskFull;
        } else if (open_error == ENXIO || open_error == ENODEV) {
            problem = StoreProblem::NotAFile;
        } else if (open_error == EACCES || open_error == EPERM || open_error == EROFS) {
            struct stat existing {};
            if (::stat(path_.c_str(), &existing) != 0) {
                problem = StoreProblem::FolderReadOnly;  // the file is to be made, and may not be
            } else {
                const int read_fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
                problem = read_fd >= 0 ? StoreProblem::ReadOnly : StoreProblem::Unreadable;
                if (read_fd >= 0)
                    ::close(read_fd);
            }
        }
        throw StoreError(problem, path_, system_error_text(open_error));
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // A file from an older version, or copied in, may be readable by others: no longer.
    if (regular && (info.st_mode & 077) != 0 && info.st_uid == ::geteuid())
        ::fchmod(fd, 0600);
    ::close(fd);
    if (!regular)
        throw StoreError(StoreProblem::NotAFile, path_, "");
    for (const char* suffix : {"-wal", "-shm"}) {
        auto companion = path_;
        companion += suffix;
        struct stat companion_info {};
        if (::lstat(companion.c_str(), &companion_info) == 0 && S_ISREG(companion_info.st_mode) &&
            (companion_info.st_mode & 077) != 0 && companion_info.st_uid == ::geteuid())
            ::chmod(companion.c_str(), 0600);
    }
    // The journal and the shared memory file are made beside the file.
    if (::access(folder.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        throw StoreError(StoreProblem::FolderReadOnly, path_, system_error_text(errno));

    try {
        db_ = std::make_unique<SQLite::Database>(path_.string(), SQLite::OPEN_READWRITE, options.busy_timeout_ms);
        // The first statement reads the header: a file that is no database fails here.
        db_->exec("PRAGMA synchronous = NORMAL");
        if (db_->execAndGet("PRAGMA journal_mode = WAL").getString() != "wal")
            throw StoreError(StoreProblem::Locked, path_, "the file could not be switched to WAL mode");
        create_schema();
        read_settings();
    } catch (const StoreError&) {
        db_.reset();
        throw;
    } catch (const std::exception& e) {
        try {
            fail(e);
        } catch (...) {
            db_.reset();
            throw;
        }
    }
}

void ReviewStore::fail(const std::exception& error) const
{
    fail(error, db_ ? sqlite3_system_errno(db_->getHandle()) : 0);
}

void ReviewStore::fail(const std::exception& error, int system_error) const
{
    if (const auto* store_error = dynamic_cast<const StoreError*>(&error))
        throw *store_error;
    if (dynamic_cast<const DamagedValue*>(&error) != nullptr)
        throw StoreError(StoreProblem::Corrupt, path_, error.what());
    if (const auto* sqlite_error = dynamic_cast<const SQLite::Exception*>(&error)) {
        auto problem = problem_of(sqlite_error->getExtendedErrorCode(), system_error);
        if ((sqlite_error->getErrorCode() & 0xff) == SQLITE_IOERR && problem == StoreProblem::Other &&
            looks_full(path_))
            problem = StoreProblem::DiskFull;
        throw StoreError(problem, path_, sqlite_error->what());
    }
    throw StoreError(StoreProblem::Other, path_, error.what());
}

}  // namespace memory
