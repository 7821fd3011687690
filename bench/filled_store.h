#pragma once

// The learner's memory at the size of a long-kept habit: 100 000 questions and
// 1 000 000 reviews over three years, one in five answered wrong, in a fresh
// progress.sqlite, shared by the benchmarks of one run.

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "memory/question_key.h"
#include "memory/review_store.h"

namespace bench {

inline constexpr int kQuestions = 100000;
inline constexpr int kReviews = 1000000;
inline constexpr memory::Day kToday = 20000;
inline constexpr int kHistoryDays = 3 * 365;

inline std::u16string question(int i)
{
    const std::string text = "Frage " + std::to_string(i) + " | Antwort " + std::to_string(i * 7);
    return {text.begin(), text.end()};
}

// The store, filled once for all benchmarks of the run, removed at exit.
class FilledStore {
public:
    FilledStore()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "memory_bench_XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temporary folder");
        folder_ = pattern;
        path_ = folder_ / "progress.sqlite";
        {
            memory::ReviewStore make(path_);
        }
        fill();
        store_ = std::make_unique<memory::ReviewStore>(path_);
        for (int i = 0; i < kQuestions; ++i)
            lines_.push_back(question(i));
    }
    ~FilledStore()
    {
        store_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    memory::ReviewStore& store() { return *store_; }
    const std::filesystem::path& path() const { return path_; }
    const std::vector<std::u16string>& lines() const { return lines_; }

private:
    // Written straight into the tables in one transaction: a million reviews
    // through record() would take minutes.
    void fill()
    {
        sqlite3* db = nullptr;
        sqlite3_open(path_.c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* q = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO questions (key, text, stability, difficulty, first_day, last_day, due_day, "
                           "reviews, lapses) VALUES (?, ?, ?, 5, ?, ?, ?, 10, 1)",
                           -1, &q, nullptr);
        sqlite3_stmt* r = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO reviews (question, time_ms, day, rating) VALUES (?, ?, ?, ?)", -1, &r,
                           nullptr);
        std::mt19937 random(7);
        for (int i = 0; i < kQuestions; ++i) {
            const auto text = memory::to_utf8(question(i));
            const memory::Day last = kToday - static_cast<memory::Day>(random() % 60);
            sqlite3_bind_int64(q, 1, memory::question_key(question(i)));
            sqlite3_bind_text(q, 2, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            sqlite3_bind_double(q, 3, 1 + static_cast<double>(random() % 400));
            sqlite3_bind_int(q, 4, kToday - kHistoryDays);
            sqlite3_bind_int(q, 5, last);
            sqlite3_bind_int(q, 6, last + static_cast<memory::Day>(random() % 90));
            sqlite3_step(q);
            sqlite3_reset(q);
            for (int k = 0; k < kReviews / kQuestions; ++k) {
                const memory::Day day = kToday - kHistoryDays + static_cast<memory::Day>(random() % kHistoryDays);
                sqlite3_bind_int64(r, 1, memory::question_key(question(i)));
                sqlite3_bind_int64(r, 2, std::int64_t{day} * 86400000);
                sqlite3_bind_int(r, 3, day);
                sqlite3_bind_int(r, 4, random() % 5 == 0 ? 1 : 3);
                sqlite3_step(r);
                sqlite3_reset(r);
            }
        }
        sqlite3_finalize(q);
        sqlite3_finalize(r);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
    std::unique_ptr<memory::ReviewStore> store_;
    std::vector<std::u16string> lines_;
};

inline FilledStore& filled()
{
    static FilledStore store;
    return store;
}

}  // namespace bench
