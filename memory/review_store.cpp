#include "memory/review_store.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>
#include <unordered_set>

#include "memory/question_key.h"

namespace memory {

namespace {

// 1: questions keyed by their raw line; 2: by question_text, and the round kept with every marking.
constexpr int kSchemaVersion = 2;
// Days a value read from the file may name: from 1900 to 2200. Anything
// outside is damage (a hand edit, a broken write), never an index.
constexpr std::int64_t kFirstDay = -25567;
constexpr std::int64_t kLastDay = 84000;
// Below this many lines a lookup asks for each line; above, it reads every
// question once, which is faster than as many index searches.
constexpr std::size_t kPointLookupLimit = 2000;

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

// A value read from the file that no version of the program writes: the file is damaged.
class DamagedValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void damaged(const char* what)
{
    throw DamagedValue(std::string("a stored value is out of range: ") + what);
}

Day checked_day(std::int64_t day)
{
    if (day < kFirstDay || day > kLastDay)
        damaged("day");
    return static_cast<Day>(day);
}

std::int32_t checked_count(std::int64_t count)
{
    if (count < 0 || count > std::numeric_limits<std::int32_t>::max())
        damaged("count");
    return static_cast<std::int32_t>(count);
}

// One row of the questions table, from its seven columns (in the order of
// kMemoryColumns) as SQLite gives them.
QuestionMemory checked_memory(double stability, double difficulty, std::int64_t first_day, std::int64_t last_day,
                              std::int64_t due_day, std::int64_t reviews, std::int64_t lapses)
{
    if (!std::isfinite(stability) || stability <= 0 || !(difficulty >= 1 && difficulty <= 10))
        damaged("stability or difficulty");
    QuestionMemory memory;
    memory.state.stability = stability;
    memory.state.difficulty = difficulty;
    memory.first_day = checked_day(first_day);
    memory.last_day = checked_day(last_day);
    memory.due_day = checked_day(due_day);
    memory.reviews = checked_count(reviews);
    memory.lapses = checked_count(lapses);
    return memory;
}

QuestionMemory memory_from(sqlite3_stmt* row, int first)
{
    return checked_memory(sqlite3_column_double(row, first), sqlite3_column_double(row, first + 1),
                          sqlite3_column_int64(row, first + 2), sqlite3_column_int64(row, first + 3),
                          sqlite3_column_int64(row, first + 4), sqlite3_column_int64(row, first + 5),
                          sqlite3_column_int64(row, first + 6));
}

QuestionMemory memory_from(SQLite::Statement& row, int first)
{
    return checked_memory(row.getColumn(first).getDouble(), row.getColumn(first + 1).getDouble(),
                          row.getColumn(first + 2).getInt64(), row.getColumn(first + 3).getInt64(),
                          row.getColumn(first + 4).getInt64(), row.getColumn(first + 5).getInt64(),
                          row.getColumn(first + 6).getInt64());
}

// Where a kept round stands, bound from parameter `first` on, in the order of the
// columns questions, current, last, correct, wrong, clocked, trials, question_hints, round_hints.
constexpr int kStandingColumns = 9;
void bind_standing(SQLite::Statement& statement, int first, const OpenRound& round)
{
    statement.bind(first, round.tallies.questions);
    statement.bind(first + 1, round.current);
    statement.bind(first + 2, round.last);
    statement.bind(first + 3, round.tallies.correct);
    statement.bind(first + 4, round.tallies.wrong);
    statement.bind(first + 5, round.tallies.clocked);
    statement.bind(first + 6, round.tallies.trials);
    statement.bind(first + 7, round.question_hints);
    statement.bind(first + 8, round.round_hints);
}

// What the program is about to keep of a round must pass the checks it is read
// back with: anything else is a fault of the program, refused before it is written.
void check_place(std::int64_t place, std::int64_t count = std::numeric_limits<std::int32_t>::max())
{
    if (place < 0 || place >= count)
        throw std::invalid_argument("a kept round's place is out of range: " + std::to_string(place));
}

void check_writable(const OpenRound& round)
{
    for (const std::int32_t count :
         {round.tallies.questions, round.current, round.last, round.tallies.correct, round.tallies.wrong,
          round.tallies.clocked, round.tallies.trials, round.question_hints, round.round_hints, round.status_count})
        if (count < 0)
            throw std::invalid_argument("a kept round's count is negative");
    for (const auto& entry : round.status)
        check_place(entry.first, round.status_count);
    for (const auto& entry : round.missed)
        check_place(entry.first);
}

// One more review or lapse: a count at its largest stays there, as the reader takes it.
std::int32_t plus(std::int32_t count, std::int32_t more)
{
    const std::int64_t sum = static_cast<std::int64_t>(count) + more;
    return static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
}

// Lines joined by line breaks, which no line holds.
std::string join_lines(const std::vector<std::u16string>& lines)
{
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u'\n';
        text += lines[i];
    }
    return to_utf8(text);
}

std::vector<std::u16string> split_lines(const std::string& joined)
{
    std::vector<std::u16string> lines;
    if (joined.empty())
        return lines;
    const std::u16string text = from_utf8(joined);
    std::size_t start = 0;
    for (;;) {
        const auto end = text.find(u'\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::u16string::npos)
            break;
        start = end + 1;
    }
    return lines;
}

constexpr const char* kMemoryColumns = "stability, difficulty, first_day, last_day, due_day, reviews, lapses";

// The tables of reviews and questions, with their indexes; also made anew when most of their rows are forgotten.
constexpr const char* kQuestionsTable = R"sql(
        CREATE TABLE IF NOT EXISTS questions (
            key INTEGER PRIMARY KEY,
            text TEXT NOT NULL,
            stability REAL NOT NULL,
            difficulty REAL NOT NULL,
            first_day INTEGER NOT NULL,
            last_day INTEGER NOT NULL,
            due_day INTEGER NOT NULL,
            reviews INTEGER NOT NULL,
            lapses INTEGER NOT NULL);)sql";
constexpr const char* kQuestionsIndex = "CREATE INDEX IF NOT EXISTS questions_by_due_day ON questions (due_day);";
constexpr const char* kReviewsTable = R"sql(
        CREATE TABLE IF NOT EXISTS reviews (
            question INTEGER NOT NULL,
            time_ms INTEGER NOT NULL,
            day INTEGER NOT NULL,
            rating INTEGER NOT NULL);)sql";
constexpr const char* kReviewsIndexes =
    "CREATE INDEX IF NOT EXISTS reviews_by_day ON reviews (day, rating);"
    "CREATE INDEX IF NOT EXISTS reviews_by_question ON reviews (question);";
constexpr const char* kRoundsTable = R"sql(
        CREATE TABLE IF NOT EXISTS rounds (
            list_name TEXT NOT NULL,
            started_ms INTEGER NOT NULL,
            ended_ms INTEGER NOT NULL,
            questions INTEGER NOT NULL,
            correct INTEGER NOT NULL,
            trials INTEGER NOT NULL,
            wrong INTEGER NOT NULL,
            clocked INTEGER NOT NULL);)sql";

// Deletes the rows of `table` whose `column` is in temp.forgotten. When they are most of
// the table, the rest is copied into a new table instead: deleting a million rows one by
// one, with their indexes, writes many times the pages.
void delete_forgotten(SQLite::Database& db, const std::string& table, const std::string& column,
                      const std::string& create_table, const std::string& create_indexes)
{
    const std::string forgotten = column + " IN (SELECT key FROM temp.forgotten)";
    const std::int64_t all = db.execAndGet("SELECT count(*) FROM " + table).getInt64();
    const std::int64_t gone = db.execAndGet("SELECT count(*) FROM " + table + " WHERE " + forgotten).getInt64();
    if (gone * 2 <= all) {
        db.exec("DELETE FROM " + table + " WHERE " + forgotten);
        return;
    }
    db.exec("ALTER TABLE " + table + " RENAME TO forgetting");
    db.exec("DROP INDEX IF EXISTS " + table + "_by_day; DROP INDEX IF EXISTS " + table + "_by_question; " +
            "DROP INDEX IF EXISTS " + table + "_by_due_day");
    db.exec(create_table);
    db.exec("INSERT INTO " + table + " SELECT * FROM forgetting WHERE NOT " + forgotten);
    db.exec("DROP TABLE forgetting");
    db.exec(create_indexes);
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

template <typename Body>
auto ReviewStore::in_transaction(Body body)
{
    try {
        // Immediate: the write lock is taken before anything is read, so that two
        // copies writing the same rows wait for each other instead of failing.
        db_->exec("BEGIN IMMEDIATE");
    } catch (const std::exception& e) {
        fail(e);
    }
    try {
        auto result = body();
        db_->exec("COMMIT");
        return result;
    } catch (const std::exception& e) {
        // Read before the rollback, which clears it.
        const int system_error = sqlite3_system_errno(db_->getHandle());
        if (!sqlite3_get_autocommit(db_->getHandle()))
            sqlite3_exec(db_->getHandle(), "ROLLBACK", nullptr, nullptr, nullptr);
        fail(e, system_error);
    }
}

void ReviewStore::create_schema()
{
    in_transaction([&] {
        const int found = db_->execAndGet("PRAGMA user_version").getInt();
        if (found > kSchemaVersion)
            throw StoreError(StoreProblem::Other, path_, "it was written by a newer version of the program");
        db_->exec(std::string(kQuestionsTable) + kQuestionsIndex + kReviewsTable + kReviewsIndexes + kRoundsTable);
        if (found == 1) {
            rekey_questions();
            // Kept under the old keys, and with only its indices: it cannot be matched any more.
            db_->exec("DROP TABLE IF EXISTS open_round");
        }
        db_->exec(R"sql(
        CREATE TABLE IF NOT EXISTS open_round (
            only INTEGER PRIMARY KEY CHECK (only = 1),
            list_key INTEGER NOT NULL,
            list_name TEXT NOT NULL,
            started_ms INTEGER NOT NULL,
            updated_ms INTEGER NOT NULL,
            finished INTEGER NOT NULL,
            questions INTEGER NOT NULL,
            current INTEGER NOT NULL,
            last INTEGER NOT NULL,
            correct INTEGER NOT NULL,
            wrong INTEGER NOT NULL,
            clocked INTEGER NOT NULL,
            trials INTEGER NOT NULL,
            status_count INTEGER NOT NULL,
            chosen TEXT NOT NULL,
            gap_mode INTEGER NOT NULL,
            question_hints INTEGER NOT NULL DEFAULT 0,
            round_hints INTEGER NOT NULL DEFAULT 0);
        CREATE TABLE IF NOT EXISTS open_status (place INTEGER PRIMARY KEY, entry TEXT NOT NULL);
        CREATE TABLE IF NOT EXISTS open_reviewed (question INTEGER PRIMARY KEY);
        CREATE TABLE IF NOT EXISTS open_missed (place INTEGER PRIMARY KEY, line TEXT NOT NULL);
        CREATE INDEX IF NOT EXISTS rounds_by_start ON rounds (started_ms);
        CREATE TABLE IF NOT EXISTS settings (name TEXT PRIMARY KEY, value NOT NULL);
    )sql");
        // The hint counts came later: a file of an earlier version gets them, each 0.
        // Earlier versions write the table by its named columns and so keep working with it.
        std::set<std::string> columns;
        SQLite::Statement info(*db_, "PRAGMA table_info(open_round)");
        while (info.executeStep())
            columns.insert(info.getColumn(1).getString());
        for (const char* column : {"question_hints", "round_hints"})
            if (!columns.contains(column))
                db_->exec(std::string("ALTER TABLE open_round ADD COLUMN ") + column + " INTEGER NOT NULL DEFAULT 0");
        if (found < kSchemaVersion)
            db_->exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
        return 0;
    });
}

void ReviewStore::read_settings()
{
    double retention = 0;
    try {
        SQLite::Statement find(*db_, "SELECT value FROM settings WHERE name = 'desired_retention'");
        if (!find.executeStep() || find.getColumn(0).getType() != SQLITE_FLOAT)
            return;
        retention = find.getColumn(0).getDouble();
    } catch (const SQLite::Exception& error) {
        // Opening reads no more than it must: damage here is found, as elsewhere, by the first write.
        if ((error.getErrorCode() & 0xff) == SQLITE_CORRUPT)
            return;
        throw;
    }
    if (!is_desired_retention(retention))
        return;
    desired_retention_ = retention;
    scheduler_ = Scheduler(retention);
}

void ReviewStore::set_desired_retention(double retention)
{
    if (!is_desired_retention(retention))
        throw std::invalid_argument("the desired retention must lie between 0.7 and 0.99");
    in_transaction([&] {
        SQLite::Statement write(*db_, "INSERT OR REPLACE INTO settings (name, value) VALUES ('desired_retention', ?)");
        write.bind(1, retention);
        write.exec();
        return 0;
    });
    desired_retention_ = retention;
    scheduler_ = Scheduler(retention);
}

void ReviewStore::rekey_questions()
{
    // Each question under the key of its normalised text. Two old questions that
    // are one now keep the state of the one reviewed last and the reviews of both.
    struct Row {
        std::int64_t old_key;
        std::string text;
        QuestionMemory memory;
    };
    std::map<std::int64_t, Row> merged;
    std::vector<std::pair<std::int64_t, std::int64_t>> moves;
    SQLite::Statement all(*db_, std::string("SELECT key, text, ") + kMemoryColumns + " FROM questions");
    while (all.executeStep()) {
        const std::int64_t old_key = all.getColumn(0).getInt64();
        const std::u16string text = question_text(from_utf8(all.getColumn(1).getString()));
        const std::int64_t key = raw_line_key(text);
        Row row{old_key, to_utf8(text), memory_from(all, 2)};
        moves.emplace_back(old_key, key);
        auto [place, fresh] = merged.try_emplace(key, row);
        if (fresh)
            continue;
        Row& kept = place->second;
        const bool later = row.memory.last_day > kept.memory.last_day;
        const QuestionMemory& newer = later ? row.memory : kept.memory;
        QuestionMemory both = newer;
        both.first_day = std::min(row.memory.first_day, kept.memory.first_day);
        both.reviews = plus(row.memory.reviews, kept.memory.reviews);
        both.lapses = plus(row.memory.lapses, kept.memory.lapses);
        kept.memory = both;
    }
    db_->exec("CREATE TEMP TABLE moved (old_key INTEGER PRIMARY KEY, key INTEGER NOT NULL)");
    SQLite::Statement move(*db_, "INSERT INTO moved (old_key, key) VALUES (?, ?)");
    for (const auto& [old_key, key] : moves) {
        move.bind(1, old_key);
        move.bind(2, key);
        move.exec();
        move.reset();
    }
    db_->exec(
        "UPDATE reviews SET question = (SELECT key FROM moved WHERE old_key = reviews.question) "
        "WHERE question IN (SELECT old_key FROM moved)");
    db_->exec("DELETE FROM questions");
    SQLite::Statement write(*db_,
                            "INSERT INTO questions (key, text, stability, difficulty, first_day, last_day, due_day, "
                            "reviews, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& [key, row] : merged) {
        write.bind(1, key);
        write.bind(2, row.text);
        write.bind(3, row.memory.state.stability);
        write.bind(4, row.memory.state.difficulty);
        write.bind(5, row.memory.first_day);
        write.bind(6, row.memory.last_day);
        write.bind(7, row.memory.due_day);
        write.bind(8, row.memory.reviews);
        write.bind(9, row.memory.lapses);
        write.exec();
        write.reset();
    }
    db_->exec("DROP TABLE temp.moved");
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

QuestionMemory ReviewStore::record(std::u16string_view line, Rating rating, std::int64_t time_ms, Day day)
{
    return in_transaction([&] { return write_review(line, rating, time_ms, day); });
}

QuestionMemory ReviewStore::write_review(std::u16string_view line, Rating rating, std::int64_t time_ms, Day day)
{
    const std::u16string text = question_text(line);
    const std::int64_t key = raw_line_key(text);
    SQLite::Statement find(*db_, std::string("SELECT ") + kMemoryColumns + " FROM questions WHERE key = ?");
    find.bind(1, key);
    std::optional<QuestionMemory> before;
    if (find.executeStep())
        before = memory_from(find, 0);

    QuestionMemory after;
    const auto review = before ? scheduler_.review(before->state, std::max(0, day - before->last_day), rating)
                               : scheduler_.review(std::nullopt, 0, rating);
    after.state = review.state;
    after.first_day = before ? before->first_day : day;
    after.last_day = day;
    after.due_day = day + review.interval_days;
    after.reviews = plus(before ? before->reviews : 0, 1);
    after.lapses = plus(before ? before->lapses : 0, before && rating == Rating::Again ? 1 : 0);

    SQLite::Statement write(*db_,
                            "INSERT OR REPLACE INTO questions (key, text, stability, difficulty, first_day, "
                            "last_day, due_day, reviews, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    write.bind(1, key);
    write.bind(2, to_utf8(text));
    write.bind(3, after.state.stability);
    write.bind(4, after.state.difficulty);
    write.bind(5, after.first_day);
    write.bind(6, after.last_day);
    write.bind(7, after.due_day);
    write.bind(8, after.reviews);
    write.bind(9, after.lapses);
    write.exec();

    SQLite::Statement log(*db_, "INSERT INTO reviews (question, time_ms, day, rating) VALUES (?, ?, ?, ?)");
    log.bind(1, key);
    log.bind(2, time_ms);
    log.bind(3, day);
    log.bind(4, static_cast<int>(rating));
    log.exec();
    return after;
}

std::vector<std::optional<QuestionMemory>> ReviewStore::lookup(const std::vector<std::u16string>& lines) const
{
    std::vector<std::optional<QuestionMemory>> found(lines.size());
    try {
        if (lines.size() < kPointLookupLimit) {
            SQLite::Statement find(*db_, std::string("SELECT ") + kMemoryColumns + " FROM questions WHERE key = ?");
            for (std::size_t i = 0; i < lines.size(); ++i) {
                find.bind(1, question_key(lines[i]));
                if (find.executeStep())
                    found[i] = memory_from(find, 0);
                find.reset();
            }
            return found;
        }
        // Keys in ascending order beside their line; the table is read in key order
        // too (its primary key), so one pass over both finds every match.
        std::vector<std::pair<std::int64_t, std::size_t>> wanted(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            wanted[i] = {question_key(lines[i]), i};
        std::sort(wanted.begin(), wanted.end());
        // Read with SQLite's own calls: a hundred thousand rows through the wrapper's
        // column objects take several times as long.
        sqlite3* handle = db_->getHandle();
        const std::string sql = std::string("SELECT key, ") + kMemoryColumns + " FROM questions ORDER BY key";
        sqlite3_stmt* prepared = nullptr;
        if (const int rc = sqlite3_prepare_v2(handle, sql.c_str(), -1, &prepared, nullptr); rc != SQLITE_OK)
            throw SQLite::Exception(handle, rc);
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, sqlite3_finalize);
        sqlite3_stmt* row = statement.get();
        auto next = wanted.begin();
        int rc = SQLITE_ROW;
        while (next != wanted.end() && (rc = sqlite3_step(row)) == SQLITE_ROW) {
            const std::int64_t key = sqlite3_column_int64(row, 0);
            while (next != wanted.end() && next->first < key)
                ++next;
            if (next == wanted.end() || next->first != key)
                continue;
            const QuestionMemory memory = memory_from(row, 1);
            for (; next != wanted.end() && next->first == key; ++next)
                found[next->second] = memory;
        }
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throw SQLite::Exception(handle, rc);
        return found;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void ReviewStore::forget(const std::vector<std::u16string>& lines)
{
    std::vector<std::int64_t> keys;
    keys.reserve(lines.size());
    for (const auto& line : lines)
        keys.push_back(question_key(line));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    in_transaction([&] {
        // The keys in a table of their own, then two deletions in one pass each:
        // far fewer pages written than a deletion per line.
        db_->exec("CREATE TEMP TABLE IF NOT EXISTS forgotten (key INTEGER PRIMARY KEY)");
        db_->exec("DELETE FROM temp.forgotten");
        SQLite::Statement add(*db_, "INSERT INTO temp.forgotten (key) VALUES (?)");
        for (const auto key : keys) {
            add.bind(1, key);
            add.exec();
            add.reset();
        }
        delete_forgotten(*db_, "reviews", "question", kReviewsTable, kReviewsIndexes);
        delete_forgotten(*db_, "questions", "key", kQuestionsTable, kQuestionsIndex);
        db_->exec("DELETE FROM open_reviewed WHERE question IN (SELECT key FROM temp.forgotten)");
        db_->exec("DELETE FROM temp.forgotten");
        return 0;
    });
    try {
        // The log held every page the deletion touched: give its room back.
        db_->exec("PRAGMA wal_checkpoint(TRUNCATE)");
    } catch (const std::exception&) {
        // Another copy of the program reads: the log is checkpointed later.
    }
}

void ReviewStore::record_round(const RoundRecord& round)
{
    in_transaction([&] {
        record_round_row(round, false);
        return 0;
    });
}

void ReviewStore::record_round_row(const RoundRecord& round, bool maybe_recorded)
{
    // Recorded already (another copy of the program ended it when it began its own
    // round): the same record, brought up to date when this one is the later.
    SQLite::Statement recorded(*db_, "SELECT count(*) FROM rounds WHERE started_ms = ? AND list_name = ?");
    recorded.bind(1, round.started_ms);
    recorded.bind(2, to_utf8(round.list_name));
    if (maybe_recorded && recorded.executeStep() && recorded.getColumn(0).getInt64() > 0) {
        SQLite::Statement update(*db_,
                                 "UPDATE rounds SET ended_ms = ?, questions = ?, correct = ?, trials = ?, wrong = ?, "
                                 "clocked = ? WHERE started_ms = ? AND list_name = ? AND ended_ms <= ?");
        update.bind(1, round.ended_ms);
        update.bind(2, round.tallies.questions);
        update.bind(3, round.tallies.correct);
        update.bind(4, round.tallies.trials);
        update.bind(5, round.tallies.wrong);
        update.bind(6, round.tallies.clocked);
        update.bind(7, round.started_ms);
        update.bind(8, to_utf8(round.list_name));
        update.bind(9, round.ended_ms);
        update.exec();
        return;
    }
    SQLite::Statement insert(*db_,
                             "INSERT INTO rounds (list_name, started_ms, ended_ms, questions, correct, trials, "
                             "wrong, clocked) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    insert.bind(1, to_utf8(round.list_name));
    insert.bind(2, round.started_ms);
    insert.bind(3, round.ended_ms);
    insert.bind(4, round.tallies.questions);
    insert.bind(5, round.tallies.correct);
    insert.bind(6, round.tallies.trials);
    insert.bind(7, round.tallies.wrong);
    insert.bind(8, round.tallies.clocked);
    insert.exec();
}

std::vector<RoundRecord> ReviewStore::rounds() const
{
    try {
        std::vector<RoundRecord> rounds;
        SQLite::Statement all(*db_,
                              "SELECT list_name, started_ms, ended_ms, questions, correct, trials, wrong, clocked "
                              "FROM rounds ORDER BY rowid");
        while (all.executeStep()) {
            rounds.push_back({from_utf8(all.getColumn(0).getString()),
                              all.getColumn(1).getInt64(),
                              all.getColumn(2).getInt64(),
                              {all.getColumn(3).getInt(), all.getColumn(4).getInt(), all.getColumn(5).getInt(),
                               all.getColumn(6).getInt(), all.getColumn(7).getInt()}});
        }
        return rounds;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void ReviewStore::write_round(const OpenRound& round)
{
    check_writable(round);
    db_->exec("DELETE FROM open_round; DELETE FROM open_status; DELETE FROM open_reviewed; DELETE FROM open_missed");
    SQLite::Statement save(
        *db_,
        "INSERT INTO open_round (only, list_key, list_name, started_ms, updated_ms, finished, "
        "questions, current, last, correct, wrong, clocked, trials, question_hints, round_hints, "
        "status_count, chosen, gap_mode) VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    save.bind(1, round.list_key);
    save.bind(2, to_utf8(round.list_name));
    save.bind(3, round.started_ms);
    save.bind(4, round.updated_ms);
    save.bind(5, round.finished ? 1 : 0);
    bind_standing(save, 6, round);
    save.bind(6 + kStandingColumns, round.status_count);
    save.bind(7 + kStandingColumns, join_lines(round.chosen));
    save.bind(8 + kStandingColumns, static_cast<int>(round.gap_mode));
    save.exec();
    SQLite::Statement status(*db_, "INSERT INTO open_status (place, entry) VALUES (?, ?)");
    for (const auto& [place, entry] : round.status) {
        status.bind(1, place);
        status.bind(2, to_utf8(entry));
        status.exec();
        status.reset();
    }
    SQLite::Statement reviewed(*db_, "INSERT INTO open_reviewed (question) VALUES (?)");
    for (const auto key : round.reviewed) {
        reviewed.bind(1, key);
        reviewed.exec();
        reviewed.reset();
    }
    SQLite::Statement missed(*db_, "INSERT INTO open_missed (place, line) VALUES (?, ?)");
    for (const auto& [place, line] : round.missed) {
        missed.bind(1, place);
        missed.bind(2, to_utf8(line));
        missed.exec();
        missed.reset();
    }
}

void ReviewStore::begin_round(const OpenRound& round, const std::optional<RoundRecord>& replaced)
{
    in_transaction([&] {
        if (replaced)
            record_round_row(*replaced, false);
        write_round(round);
        return 0;
    });
}

void ReviewStore::keep_round(const OpenRound& round, const std::optional<RoundRecord>& ended)
{
    in_transaction([&] {
        if (ended)
            record_round_row(*ended, false);
        // Another copy of the program may have begun a round of its own since: its round stays.
        SQLite::Statement other(*db_, "SELECT count(*) FROM open_round WHERE started_ms != ?");
        other.bind(1, round.started_ms);
        other.executeStep();
        if (other.getColumn(0).getInt64() == 0)
            write_round(round);
        return 0;
    });
}

void ReviewStore::keep_hints(const OpenRound& round)
{
    in_transaction([&] {
        check_writable(round);
        SQLite::Statement update(*db_,
                                 "UPDATE open_round SET question_hints = ?, round_hints = ? "
                                 "WHERE list_key = ? AND started_ms = ?");
        update.bind(1, round.question_hints);
        update.bind(2, round.round_hints);
        update.bind(3, round.list_key);
        update.bind(4, round.started_ms);
        return update.exec();
    });
}

void ReviewStore::record_marking(const MarkingRecord& marking)
{
    in_transaction([&] {
        check_writable(marking.round);
        if (marking.status_entry)
            check_place(marking.status_entry->first);
        if (marking.missed)
            check_place(marking.missed->first);
        if (marking.review)
            write_review(marking.review->line, marking.review->rating, marking.review->time_ms, marking.review->day);
        const OpenRound& round = marking.round;
        // Another copy of the program may have begun a round of its own since: its round stays.
        SQLite::Statement update(*db_,
                                 "UPDATE open_round SET updated_ms = ?, finished = ?, questions = ?, current = ?, "
                                 "last = ?, correct = ?, wrong = ?, clocked = ?, trials = ?, question_hints = ?, "
                                 "round_hints = ? WHERE list_key = ? AND started_ms = ?");
        update.bind(1, round.updated_ms);
        update.bind(2, marking.ended ? 1 : 0);
        bind_standing(update, 3, round);
        update.bind(3 + kStandingColumns, round.list_key);
        update.bind(4 + kStandingColumns, round.started_ms);
        const bool kept = update.exec() == 1;
        if (kept) {
            if (marking.review) {
                SQLite::Statement reviewed(*db_, "INSERT OR IGNORE INTO open_reviewed (question) VALUES (?)");
                reviewed.bind(1, question_key(marking.review->line));
                reviewed.exec();
            }
            if (marking.status_entry) {
                SQLite::Statement status(*db_, "INSERT OR REPLACE INTO open_status (place, entry) VALUES (?, ?)");
                status.bind(1, marking.status_entry->first);
                status.bind(2, to_utf8(marking.status_entry->second));
                status.exec();
            }
            if (marking.missed) {
                SQLite::Statement missed(*db_, "INSERT OR REPLACE INTO open_missed (place, line) VALUES (?, ?)");
                missed.bind(1, marking.missed->first);
                missed.bind(2, to_utf8(marking.missed->second));
                missed.exec();
            }
        }
        // A round no longer kept was replaced by another copy of the program, which
        // recorded it as it stood then: that record is brought up to date.
        if (marking.ended)
            record_round_row(*marking.ended, !kept);
        return 0;
    });
}

void ReviewStore::clear_open_round()
{
    in_transaction([&] {
        return db_->exec(
            "DELETE FROM open_round; DELETE FROM open_status; DELETE FROM open_reviewed; "
            "DELETE FROM open_missed");
    });
}

std::optional<OpenRound> ReviewStore::open_round()
{
    try {
        return read_open_round();
    } catch (const DamagedValue&) {
        // Only the kept round is unusable: it goes, the learner's history stays.
        clear_open_round();
        dropped_kept_round_ = true;
        return std::nullopt;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::optional<OpenRound> ReviewStore::read_open_round() const
{
    {
        SQLite::Statement find(*db_,
                               "SELECT list_key, list_name, started_ms, updated_ms, finished, questions, current, "
                               "last, correct, wrong, clocked, trials, status_count, chosen, gap_mode, "
                               "question_hints, round_hints FROM open_round");
        if (!find.executeStep())
            return std::nullopt;
        OpenRound round;
        round.list_key = find.getColumn(0).getInt64();
        round.list_name = from_utf8(find.getColumn(1).getString());
        round.started_ms = find.getColumn(2).getInt64();
        round.updated_ms = find.getColumn(3).getInt64();
        round.finished = find.getColumn(4).getInt() != 0;
        round.tallies.questions = checked_count(find.getColumn(5).getInt64());
        round.current = checked_count(find.getColumn(6).getInt64());
        round.last = checked_count(find.getColumn(7).getInt64());
        round.tallies.correct = checked_count(find.getColumn(8).getInt64());
        round.tallies.wrong = checked_count(find.getColumn(9).getInt64());
        round.tallies.clocked = checked_count(find.getColumn(10).getInt64());
        round.tallies.trials = checked_count(find.getColumn(11).getInt64());
        round.status_count = checked_count(find.getColumn(12).getInt64());
        round.chosen = split_lines(find.getColumn(13).getString());
        const auto mode = quiz::gap_mode_of(find.getColumn(14).getInt());
        if (!mode)
            damaged("gap mode");
        round.gap_mode = *mode;
        round.question_hints = checked_count(find.getColumn(15).getInt64());
        round.round_hints = checked_count(find.getColumn(16).getInt64());
        SQLite::Statement status(*db_, "SELECT place, entry FROM open_status");
        while (status.executeStep()) {
            const std::int64_t place = status.getColumn(0).getInt64();
            if (place < 0 || place >= round.status_count)
                damaged("status entry");
            round.status[static_cast<std::int32_t>(place)] = from_utf8(status.getColumn(1).getString());
        }
        SQLite::Statement reviewed(*db_, "SELECT question FROM open_reviewed");
        while (reviewed.executeStep())
            round.reviewed.insert(reviewed.getColumn(0).getInt64());
        SQLite::Statement missed(*db_, "SELECT place, line FROM open_missed");
        while (missed.executeStep())
            round.missed[checked_count(missed.getColumn(0).getInt64())] = from_utf8(missed.getColumn(1).getString());
        return round;
    }
}

std::vector<DayReviews> ReviewStore::reviews_per_day(Day first, Day last) const
{
    try {
        std::vector<DayReviews> days;
        for (Day day = first; day <= last; ++day)
            days.push_back({day, 0, 0});
        SQLite::Statement count(*db_,
                                "SELECT day, rating, count(*) FROM reviews WHERE day BETWEEN ? AND ? "
                                "GROUP BY day, rating");
        count.bind(1, first);
        count.bind(2, last);
        while (count.executeStep()) {
            const std::int64_t day = count.getColumn(0).getInt64();
            if (day < first || day > last)
                damaged("review day");
            auto& entry = days[static_cast<std::size_t>(day - first)];
            const int n = count.getColumn(2).getInt();
            if (count.getColumn(1).getInt() == static_cast<int>(Rating::Again))
                entry.wrong += n;
            else
                entry.right += n;
        }
        return days;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::vector<std::int32_t> ReviewStore::due_per_day(Day first, int days) const
{
    try {
        std::vector<std::int32_t> due(static_cast<std::size_t>(std::max(days, 0)), 0);
        if (days <= 0)
            return due;
        // Days no version writes are read too, so that they are found as damage.
        SQLite::Statement count(
            *db_, "SELECT due_day, count(*) FROM questions WHERE due_day < ? OR due_day > ? GROUP BY due_day");
        count.bind(1, first + days);
        count.bind(2, static_cast<std::int64_t>(kLastDay));
        while (count.executeStep()) {
            const Day day = std::max(checked_day(count.getColumn(0).getInt64()), first);
            if (day >= first + days)
                continue;
            due[static_cast<std::size_t>(day - first)] += count.getColumn(1).getInt();
        }
        return due;
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::int64_t ReviewStore::review_count() const
{
    try {
        return db_->execAndGet("SELECT count(*) FROM reviews").getInt64();
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::vector<DayReviews> ReviewStore::list_reviews_per_day(const std::vector<std::u16string>& lines, Day first,
                                                          Day last) const
{
    try {
        std::vector<DayReviews> days;
        for (Day day = first; day <= last; ++day)
            days.push_back({day, 0, 0});
        if (days.empty() || lines.empty())
            return days;
        std::unordered_set<std::int64_t> keys;
        keys.reserve(lines.size());
        for (const auto& line : lines)
            keys.insert(question_key(line));
        // The window's reviews of every list, sorted out here: a list may hold
        // more questions than a statement takes parameters.
        SQLite::Statement reviews(*db_, "SELECT question, day, rating FROM reviews WHERE day BETWEEN ? AND ?");
        reviews.bind(1, first);
        reviews.bind(2, last);
        while (reviews.executeStep()) {
            if (!keys.contains(reviews.getColumn(0).getInt64()))
                continue;
            const std::int64_t offset = reviews.getColumn(1).getInt64() - first;
            if (offset < 0 || offset >= static_cast<std::int64_t>(days.size()))
                continue;
            auto& entry = days[static_cast<std::size_t>(offset)];
            if (reviews.getColumn(2).getInt() == static_cast<int>(Rating::Again))
                ++entry.wrong;
            else
                ++entry.right;
        }
        return days;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void ReviewStore::each_review(const std::function<void(const LoggedReview&)>& take) const
{
    try {
        SQLite::Statement all(*db_,
                              "SELECT question, time_ms, day, rating FROM reviews ORDER BY question, time_ms, rowid");
        while (all.executeStep()) {
            const int rating = all.getColumn(3).getInt();
            if (rating < static_cast<int>(Rating::Again) || rating > static_cast<int>(Rating::Easy))
                damaged("rating");
            take(LoggedReview{all.getColumn(0).getInt64(), all.getColumn(1).getInt64(),
                              checked_day(all.getColumn(2).getInt64()), static_cast<Rating>(rating)});
        }
    } catch (const std::exception& e) {
        fail(e);
    }
}

std::optional<LastReview> ReviewStore::last_review(std::u16string_view line) const
{
    try {
        SQLite::Statement find(*db_,
                               "SELECT rating, day FROM reviews WHERE question = ? ORDER BY time_ms DESC, rowid DESC "
                               "LIMIT 1");
        find.bind(1, question_key(line));
        if (!find.executeStep())
            return std::nullopt;
        const int rating = find.getColumn(0).getInt();
        if (rating < static_cast<int>(Rating::Again) || rating > static_cast<int>(Rating::Easy))
            damaged("rating");
        return LastReview{static_cast<Rating>(rating), checked_day(find.getColumn(1).getInt64())};
    } catch (const std::exception& e) {
        fail(e);
    }
}

}  // namespace memory
