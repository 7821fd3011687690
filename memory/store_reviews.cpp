#include "memory/review_store.h"

#include <memory>

#include "memory/store_internals.h"

// The reviews: each recorded with the question's new memory state, looked up, forgotten, and read back.

namespace memory {

using namespace store_detail;

namespace {

// Below this many lines a lookup asks for each line; above, it reads every
// question once, which is faster than as many index searches.
constexpr std::size_t kPointLookupLimit = 2000;

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
