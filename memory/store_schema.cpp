#include "memory/review_store.h"

#include <map>
#include <set>

#include "memory/store_internals.h"

// The store's tables: made when missing, brought up to date from earlier versions, and its settings.

namespace memory {

using namespace store_detail;

namespace {

// 1: questions keyed by their raw line; 2: by question_text, and the round kept with every marking.
constexpr int kSchemaVersion = 2;

}  // namespace

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

}  // namespace memory
