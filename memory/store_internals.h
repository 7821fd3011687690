#pragma once

// What the progress store's files share, and nothing outside them includes:
// the checks a value read from the file must pass, the conversions of its
// columns, the tables' definitions, and the transaction every write runs in.

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory/question_key.h"
#include "memory/review_store.h"

namespace memory::store_detail {

// Days a value read from the file may name: from 1900 to 2200. Anything
// outside is damage (a hand edit, a broken write), never an index.
inline constexpr std::int64_t kFirstDay = -25567;
inline constexpr std::int64_t kLastDay = 84000;

// A value read from the file that no version of the program writes: the file is damaged.
class DamagedValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void damaged(const char* what)
{
    throw DamagedValue(std::string("a stored value is out of range: ") + what);
}

inline Day checked_day(std::int64_t day)
{
    if (day < kFirstDay || day > kLastDay)
        damaged("day");
    return static_cast<Day>(day);
}

inline std::int32_t checked_count(std::int64_t count)
{
    if (count < 0 || count > std::numeric_limits<std::int32_t>::max())
        damaged("count");
    return static_cast<std::int32_t>(count);
}

// One row of the questions table, from its seven columns (in the order of
// kMemoryColumns) as SQLite gives them.
inline QuestionMemory checked_memory(double stability, double difficulty, std::int64_t first_day, std::int64_t last_day,
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

inline QuestionMemory memory_from(sqlite3_stmt* row, int first)
{
    return checked_memory(sqlite3_column_double(row, first), sqlite3_column_double(row, first + 1),
                          sqlite3_column_int64(row, first + 2), sqlite3_column_int64(row, first + 3),
                          sqlite3_column_int64(row, first + 4), sqlite3_column_int64(row, first + 5),
                          sqlite3_column_int64(row, first + 6));
}

inline QuestionMemory memory_from(SQLite::Statement& row, int first)
{
    return checked_memory(row.getColumn(first).getDouble(), row.getColumn(first + 1).getDouble(),
                          row.getColumn(first + 2).getInt64(), row.getColumn(first + 3).getInt64(),
                          row.getColumn(first + 4).getInt64(), row.getColumn(first + 5).getInt64(),
                          row.getColumn(first + 6).getInt64());
}

// Where a kept round stands, bound from parameter `first` on, in the order of the
// columns questions, current, last, correct, wrong, clocked, trials, question_hints, round_hints.
inline constexpr int kStandingColumns = 9;
inline void bind_standing(SQLite::Statement& statement, int first, const OpenRound& round)
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
inline void check_place(std::int64_t place, std::int64_t count = std::numeric_limits<std::int32_t>::max())
{
    if (place < 0 || place >= count)
        throw std::invalid_argument("a kept round's place is out of range: " + std::to_string(place));
}

inline void check_writable(const OpenRound& round)
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
inline std::int32_t plus(std::int32_t count, std::int32_t more)
{
    const std::int64_t sum = static_cast<std::int64_t>(count) + more;
    return static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
}

// Lines joined by line breaks, which no line holds.
inline std::string join_lines(const std::vector<std::u16string>& lines)
{
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u'\n';
        text += lines[i];
    }
    return to_utf8(text);
}

inline std::vector<std::u16string> split_lines(const std::string& joined)
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

inline constexpr const char* kMemoryColumns = "stability, difficulty, first_day, last_day, due_day, reviews, lapses";

// The tables of reviews and questions, with their indexes; also made anew when most of their rows are forgotten.
inline constexpr const char* kQuestionsTable = R"sql(
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
inline constexpr const char* kQuestionsIndex =
    "CREATE INDEX IF NOT EXISTS questions_by_due_day ON questions (due_day);";
inline constexpr const char* kReviewsTable = R"sql(
        CREATE TABLE IF NOT EXISTS reviews (
            question INTEGER NOT NULL,
            time_ms INTEGER NOT NULL,
            day INTEGER NOT NULL,
            rating INTEGER NOT NULL);)sql";
inline constexpr const char* kReviewsIndexes =
    "CREATE INDEX IF NOT EXISTS reviews_by_day ON reviews (day, rating);"
    "CREATE INDEX IF NOT EXISTS reviews_by_question ON reviews (question);";
inline constexpr const char* kRoundsTable = R"sql(
        CREATE TABLE IF NOT EXISTS rounds (
            list_name TEXT NOT NULL,
            started_ms INTEGER NOT NULL,
            ended_ms INTEGER NOT NULL,
            questions INTEGER NOT NULL,
            correct INTEGER NOT NULL,
            trials INTEGER NOT NULL,
            wrong INTEGER NOT NULL,
            clocked INTEGER NOT NULL);)sql";

}  // namespace memory::store_detail

namespace memory {

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

}  // namespace memory
