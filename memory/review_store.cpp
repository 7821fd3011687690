#include "memory/review_store.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <sstream>

#include "memory/question_key.h"

namespace memory {

namespace {

constexpr int kSchemaVersion = 1;
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

std::string join_numbers(const std::vector<std::int32_t>& numbers)
{
    std::string text;
    for (const auto n : numbers) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(n);
    }
    return text;
}

std::vector<std::int32_t> split_numbers(const std::string& text)
{
    std::vector<std::int32_t> numbers;
    std::istringstream in(text);
    for (std::int32_t n = 0; in >> n;)
        numbers.push_back(n);
    return numbers;
}

QuestionMemory memory_from(SQLite::Statement& row, int first_column)
{
    QuestionMemory memory;
    memory.state.stability = row.getColumn(first_column).getDouble();
    memory.state.difficulty = row.getColumn(first_column + 1).getDouble();
    memory.first_day = row.getColumn(first_column + 2).getInt();
    memory.last_day = row.getColumn(first_column + 3).getInt();
    memory.due_day = row.getColumn(first_column + 4).getInt();
    memory.reviews = row.getColumn(first_column + 5).getInt();
    memory.lapses = row.getColumn(first_column + 6).getInt();
    return memory;
}

constexpr const char* kMemoryColumns = "stability, difficulty, first_day, last_day, due_day, reviews, lapses";

}  // namespace

Day local_day(std::int64_t unix_seconds)
{
    const auto seconds = static_cast<std::time_t>(unix_seconds);
    std::tm local{};
    localtime_r(&seconds, &local);
    const std::chrono::year_month_day date{std::chrono::year(local.tm_year + 1900),
                                           std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                           std::chrono::day(static_cast<unsigned>(local.tm_mday))};
    return static_cast<Day>(std::chrono::sys_days(date).time_since_epoch().count());
}

StoreError::StoreError(StoreProblem problem, std::filesystem::path path, std::string detail)
    : std::runtime_error(path.string() + ": " + problem_words(problem) + (detail.empty() ? "" : " (" + detail + ")")),
      problem_(problem),
      path_(std::move(path)),
      detail_(std::move(detail))
{
}

ReviewStore::ReviewStore(const std::filesystem::path& path) : ReviewStore(path, Options{}) {}

ReviewStore::ReviewStore(const std::filesystem::path& path, Options options)
    : path_(path), scheduler_(options.desired_retention)
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
    // Made by us, so that only its owner may read it; SQLite gives its journal the same rights.
    int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int open_error = errno;
        StoreProblem problem = StoreProblem::Other;
        if (is_disk_full(open_error)) {
            problem = StoreProblem::DiskFull;
        } else if (open_error == EACCES || open_error == EPERM || open_error == EROFS) {
            const int read_fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
            problem = read_fd >= 0 ? StoreProblem::ReadOnly : StoreProblem::Unreadable;
            if (read_fd >= 0)
                ::close(read_fd);
        }
        throw StoreError(problem, path_, system_error_text(open_error));
    }
    ::close(fd);

    try {
        db_ = std::make_unique<SQLite::Database>(path_.string(), SQLite::OPEN_READWRITE, options.busy_timeout_ms);
        // The first statement reads the header: a file that is no database fails here.
        db_->exec("PRAGMA synchronous = NORMAL");
        if (db_->execAndGet("PRAGMA journal_mode = WAL").getString() != "wal")
            throw StoreError(StoreProblem::Locked, path_, "the file could not be switched to WAL mode");
        create_schema();
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
        db_->exec(R"sql(
        CREATE TABLE IF NOT EXISTS questions (
            key INTEGER PRIMARY KEY,
            text TEXT NOT NULL,
            stability REAL NOT NULL,
            difficulty REAL NOT NULL,
            first_day INTEGER NOT NULL,
            last_day INTEGER NOT NULL,
            due_day INTEGER NOT NULL,
            reviews INTEGER NOT NULL,
            lapses INTEGER NOT NULL);
        CREATE INDEX IF NOT EXISTS questions_by_due_day ON questions (due_day);
        CREATE TABLE IF NOT EXISTS reviews (
            question INTEGER NOT NULL,
            time_ms INTEGER NOT NULL,
            day INTEGER NOT NULL,
            rating INTEGER NOT NULL);
        CREATE INDEX IF NOT EXISTS reviews_by_day ON reviews (day, rating);
        CREATE INDEX IF NOT EXISTS reviews_by_question ON reviews (question);
        CREATE TABLE IF NOT EXISTS rounds (
            list_name TEXT NOT NULL,
            started_ms INTEGER NOT NULL,
            ended_ms INTEGER NOT NULL,
            questions INTEGER NOT NULL,
            correct INTEGER NOT NULL,
            trials INTEGER NOT NULL,
            wrong INTEGER NOT NULL,
            clocked INTEGER NOT NULL);
        CREATE TABLE IF NOT EXISTS open_round (
            only INTEGER PRIMARY KEY CHECK (only = 1),
            list_key INTEGER NOT NULL,
            list_name TEXT NOT NULL,
            started_ms INTEGER NOT NULL,
            status TEXT NOT NULL,
            questions INTEGER NOT NULL,
            current INTEGER NOT NULL,
            last INTEGER NOT NULL,
            correct INTEGER NOT NULL,
            wrong INTEGER NOT NULL,
            clocked INTEGER NOT NULL,
            trials INTEGER NOT NULL,
            marked TEXT NOT NULL,
            missed TEXT NOT NULL,
            chosen TEXT NOT NULL);
    )sql");
        if (found < kSchemaVersion)
            db_->exec("PRAGMA user_version = " + std::to_string(kSchemaVersion));
        return 0;
    });
}

void ReviewStore::fail(const std::exception& error) const
{
    fail(error, db_ ? sqlite3_system_errno(db_->getHandle()) : 0);
}

void ReviewStore::fail(const std::exception& error, int system_error) const
{
    if (const auto* store_error = dynamic_cast<const StoreError*>(&error))
        throw *store_error;
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
    const std::int64_t key = question_key(line);
    return in_transaction([&] {
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
        after.reviews = (before ? before->reviews : 0) + 1;
        after.lapses = (before ? before->lapses : 0) + (before && rating == Rating::Again ? 1 : 0);

        SQLite::Statement write(*db_,
                                "INSERT OR REPLACE INTO questions (key, text, stability, difficulty, first_day, "
                                "last_day, due_day, reviews, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
        write.bind(1, key);
        write.bind(2, to_utf8(line));
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
    });
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
            QuestionMemory memory;
            memory.state.stability = sqlite3_column_double(row, 1);
            memory.state.difficulty = sqlite3_column_double(row, 2);
            memory.first_day = sqlite3_column_int(row, 3);
            memory.last_day = sqlite3_column_int(row, 4);
            memory.due_day = sqlite3_column_int(row, 5);
            memory.reviews = sqlite3_column_int(row, 6);
            memory.lapses = sqlite3_column_int(row, 7);
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
    in_transaction([&] {
        SQLite::Statement reviews(*db_, "DELETE FROM reviews WHERE question = ?");
        SQLite::Statement questions(*db_, "DELETE FROM questions WHERE key = ?");
        for (const auto& line : lines) {
            const auto key = question_key(line);
            reviews.bind(1, key);
            reviews.exec();
            reviews.reset();
            questions.bind(1, key);
            questions.exec();
            questions.reset();
        }
        return 0;
    });
}

void ReviewStore::record_round(const RoundRecord& round)
{
    in_transaction([&] {
        SQLite::Statement insert(*db_,
                                 "INSERT INTO rounds (list_name, started_ms, ended_ms, questions, correct, trials, "
                                 "wrong, clocked) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        insert.bind(1, to_utf8(round.list_name));
        insert.bind(2, round.started_ms);
        insert.bind(3, round.ended_ms);
        insert.bind(4, round.questions);
        insert.bind(5, round.correct);
        insert.bind(6, round.trials);
        insert.bind(7, round.wrong);
        insert.bind(8, round.clocked);
        insert.exec();
        return 0;
    });
}

std::vector<RoundRecord> ReviewStore::rounds() const
{
    try {
        std::vector<RoundRecord> rounds;
        SQLite::Statement all(*db_,
                              "SELECT list_name, started_ms, ended_ms, questions, correct, trials, wrong, clocked "
                              "FROM rounds ORDER BY rowid");
        while (all.executeStep()) {
            rounds.push_back({from_utf8(all.getColumn(0).getString()), all.getColumn(1).getInt64(),
                              all.getColumn(2).getInt64(), all.getColumn(3).getInt(), all.getColumn(4).getInt(),
                              all.getColumn(5).getInt(), all.getColumn(6).getInt(), all.getColumn(7).getInt()});
        }
        return rounds;
    } catch (const std::exception& e) {
        fail(e);
    }
}

void ReviewStore::save_open_round(const SavedRound& round)
{
    in_transaction([&] {
        std::u16string status;
        for (std::size_t i = 0; i < round.status.size(); ++i) {
            if (i > 0)
                status += u'\n';
            status += round.status[i];
        }
        SQLite::Statement save(*db_,
                               "INSERT OR REPLACE INTO open_round (only, list_key, list_name, started_ms, status, "
                               "questions, current, last, correct, wrong, clocked, trials, marked, missed, chosen) "
                               "VALUES (1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        save.bind(1, round.list_key);
        save.bind(2, to_utf8(round.list_name));
        save.bind(3, round.started_ms);
        save.bind(4, to_utf8(status));
        save.bind(5, round.questions);
        save.bind(6, round.current);
        save.bind(7, round.last);
        save.bind(8, round.correct);
        save.bind(9, round.wrong);
        save.bind(10, round.clocked);
        save.bind(11, round.trials);
        save.bind(12, join_numbers(round.marked));
        save.bind(13, join_numbers(round.missed));
        save.bind(14, join_numbers(round.chosen));
        save.exec();
        return 0;
    });
}

void ReviewStore::clear_open_round()
{
    in_transaction([&] { return db_->exec("DELETE FROM open_round"); });
}

std::optional<SavedRound> ReviewStore::open_round() const
{
    try {
        SQLite::Statement find(*db_,
                               "SELECT list_key, list_name, started_ms, status, questions, current, last, correct, "
                               "wrong, clocked, trials, marked, missed, chosen FROM open_round");
        if (!find.executeStep())
            return std::nullopt;
        SavedRound round;
        round.list_key = find.getColumn(0).getInt64();
        round.list_name = from_utf8(find.getColumn(1).getString());
        round.started_ms = find.getColumn(2).getInt64();
        const std::u16string status = from_utf8(find.getColumn(3).getString());
        round.questions = find.getColumn(4).getInt();
        if (round.questions > 0) {
            std::size_t start = 0;
            for (;;) {
                const auto end = status.find(u'\n', start);
                round.status.push_back(status.substr(start, end - start));
                if (end == std::u16string::npos)
                    break;
                start = end + 1;
            }
        }
        round.current = find.getColumn(5).getInt();
        round.last = find.getColumn(6).getInt();
        round.correct = find.getColumn(7).getInt();
        round.wrong = find.getColumn(8).getInt();
        round.clocked = find.getColumn(9).getInt();
        round.trials = find.getColumn(10).getInt();
        round.marked = split_numbers(find.getColumn(11).getString());
        round.missed = split_numbers(find.getColumn(12).getString());
        round.chosen = split_numbers(find.getColumn(13).getString());
        return round;
    } catch (const std::exception& e) {
        fail(e);
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
            auto& entry = days[static_cast<std::size_t>(count.getColumn(0).getInt() - first)];
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
        SQLite::Statement count(*db_, "SELECT due_day, count(*) FROM questions WHERE due_day < ? GROUP BY due_day");
        count.bind(1, first + days);
        while (count.executeStep()) {
            const Day day = std::max(count.getColumn(0).getInt(), first);
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

std::optional<LastReview> ReviewStore::last_review(std::u16string_view line) const
{
    try {
        SQLite::Statement find(*db_,
                               "SELECT rating, day FROM reviews WHERE question = ? ORDER BY time_ms DESC, rowid DESC "
                               "LIMIT 1");
        find.bind(1, question_key(line));
        if (!find.executeStep())
            return std::nullopt;
        return LastReview{static_cast<Rating>(find.getColumn(0).getInt()), find.getColumn(1).getInt()};
    } catch (const std::exception& e) {
        fail(e);
    }
}

}  // namespace memory
