#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "memory/day.h"
#include "memory/scheduler.h"
#include "quiz/gap_items.h"
#include "quiz/round.h"

namespace SQLite {
class Database;
}

namespace memory {

// Why the store could not be opened or written.
enum class StoreProblem {
    Corrupt,
    Folder,
    Unreadable,
    ReadOnly,
    Locked,
    DiskFull,
    Other,
    NotAFile,        // a device, a pipe or a socket
    FolderReadOnly,  // the folder the file and its journal go in cannot be written
};

class StoreError : public std::runtime_error {
public:
    StoreError(StoreProblem problem, std::filesystem::path path, std::string detail);
    StoreProblem problem() const { return problem_; }
    // Moves a damaged store at `path` and its journal aside, beside it; never over
    // an earlier one. Gives where it went. Throws StoreError when it cannot be moved.
    static std::filesystem::path move_aside(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    // The system's or SQLite's own words, in English.
    const std::string& detail() const { return detail_; }

private:
    StoreProblem problem_;
    std::filesystem::path path_;
    std::string detail_;
};

// What the store knows of one question.
struct QuestionMemory {
    MemoryState state;
    Day first_day = 0;  // of its first review
    Day last_day = 0;
    Day due_day = 0;
    std::int32_t reviews = 0;
    std::int32_t lapses = 0;
};

// One finished (or abandoned) round, with its result line's counts.
struct RoundRecord {
    std::u16string list_name;
    std::int64_t started_ms = 0;
    std::int64_t ended_ms = 0;
    quiz::Tallies tallies;
};

// The round in progress, or the last one, as the store keeps it with every
// marking, so that a later run can continue it (on a list with the same
// questions) and repeat or save what it missed.
struct OpenRound {
    // Of the list's questions (list_key), not of its file: see question_key.h.
    std::int64_t list_key = 0;
    std::u16string list_name;
    std::int64_t started_ms = 0;
    std::int64_t updated_ms = 0;
    // Ended: only its missed questions are still of use.
    bool finished = false;
    quiz::Tallies tallies;
    std::int32_t current = 0;
    std::int32_t last = 0;
    // The status column: this many entries, all "0" but those given here.
    std::int32_t status_count = 0;
    std::map<std::int32_t, std::u16string> status;
    // For a round over chosen lines, those lines in the round's order; empty for the whole list.
    // A question of one gap stands as quiz::gap_question's text.
    std::vector<std::u16string> chosen;
    // How the round asks the gaps of a line; in the modes of one gap each, the status
    // holds one entry per gap question.
    quiz::GapMode gap_mode = quiz::GapMode::AllAtOnce;
    // Hints given on the question on display, and in the whole round: the
    // question comes back with as much of it shown, and a "Correct" still counts as after a hint.
    std::int32_t question_hints = 0;
    std::int32_t round_hints = 0;
    // The questions reviewed in the round, by question_key.
    std::set<std::int64_t> reviewed;
    // The lines marked "Wrong" or "Clock" at least once, by their place in the list.
    std::map<std::int32_t, std::u16string> missed;
};

// One marking of the round in progress, written as one transaction: the
// review it makes (none for "Clock" or a question reviewed already in the
// round), the round's tallies after it, what it changed in the status column
// and the missed lines, and, when it was the last one, the round's record.
struct MarkingRecord {
    struct Review {
        std::u16string line;
        Rating rating = Rating::Good;
        std::int64_t time_ms = 0;
        Day day = 0;
    };
    std::optional<Review> review;
    OpenRound round;  // only list_key, started_ms, updated_ms, the tallies, current, last and the hints are read
    std::optional<std::pair<std::int32_t, std::u16string>> status_entry;
    std::optional<std::pair<std::int32_t, std::u16string>> missed;
    std::optional<RoundRecord> ended;
};

// Reviews of one day: the answers right the first time, and the wrong ones.
struct DayReviews {
    Day day = 0;
    std::int32_t right = 0;
    std::int32_t wrong = 0;
};

// One review as the log keeps it: its question (by question_key), when, and the rating.
struct LoggedReview {
    std::int64_t question = 0;
    std::int64_t time_ms = 0;
    Day day = 0;
    Rating rating = Rating::Good;
};

// The most recent review of a question.
struct LastReview {
    Rating rating = Rating::Good;
    Day day = 0;
};

// The learner's progress in one SQLite file: every review, each question's
// memory state, the rounds, and the round to continue. Every write is one
// transaction; the file is in WAL mode with a busy timeout, so that two copies
// of the program can record at the same time. Its work is kept by job:
// review_store.cpp (the file and its failures), store_schema.cpp (tables,
// migrations, settings), store_reviews.cpp, store_rounds.cpp (recorded rounds
// and the kept one) and store_figures.cpp, with what they share in
// store_internals.h.
class ReviewStore {
public:
    struct Options {
        int busy_timeout_ms = 5000;
        // Until the file holds a retention of its own.
        double desired_retention = 0.9;
    };

    // The chances of recall a learner may ask the schedule for; a value outside
    // them in the file is passed over, and the one of Options used.
    static constexpr double kLowestRetention = 0.7;
    static constexpr double kHighestRetention = 0.99;
    static bool is_desired_retention(double retention)
    {
        return retention >= kLowestRetention && retention <= kHighestRetention;
    }

    // Opens the store at `path`, making it (readable by its owner only) and its
    // folder when missing. A damaged file is moved aside, never deleted, and a
    // fresh one made: moved_aside() then names where it went. Throws StoreError
    // for everything else that keeps it from being opened.
    explicit ReviewStore(const std::filesystem::path& path);
    ReviewStore(const std::filesystem::path& path, Options options);
    ~ReviewStore();
    ReviewStore(const ReviewStore&) = delete;
    ReviewStore& operator=(const ReviewStore&) = delete;

    // Moves a damaged store at `path` and its journal aside, beside it; never over
    // an earlier one. Gives where it went. Throws StoreError when it cannot be moved.
    static std::filesystem::path move_aside(const std::filesystem::path& path);

    const std::filesystem::path& path() const { return path_; }
    const std::optional<std::filesystem::path>& moved_aside() const { return moved_aside_; }

    // Records a review of `line` at `time_ms` (on `day`) and schedules the next one.
    QuestionMemory record(std::u16string_view line, Rating rating, std::int64_t time_ms, Day day);

    // The chance of recall every review is scheduled for, as the file keeps it.
    double desired_retention() const { return desired_retention_; }
    // Keeps `retention` in the file; the reviews from now on are scheduled for it,
    // those scheduled already keep their due days. Throws std::invalid_argument
    // for a value is_desired_retention refuses.
    void set_desired_retention(double retention);

    // What the store knows of each of `lines`, in their order; nothing for a line never reviewed.
    std::vector<std::optional<QuestionMemory>> lookup(const std::vector<std::u16string>& lines) const;

    // Deletes the reviews and states of `lines`, then gives the log's room back.
    void forget(const std::vector<std::u16string>& lines);

    void record_round(const RoundRecord& round);
    std::vector<RoundRecord> rounds() const;

    // A new round takes the place of the kept one. When that one was still
    // going on, `replaced` records it as ended.
    void begin_round(const OpenRound& round, const std::optional<RoundRecord>& replaced);
    // Writes the marking and its review together (see MarkingRecord). A round
    // is recorded once: when another copy of the program replaced it (and
    // recorded it as it stood), its end brings that record up to date.
    void record_marking(const MarkingRecord& marking);
    // Rewrites the kept round whole: the program closes, or the round ended without a marking.
    // A round another copy of the program began since stays.
    void keep_round(const OpenRound& round, const std::optional<RoundRecord>& ended);
    // A hint was given in the kept round (`round`'s list_key and started_ms): its hint counts.
    void keep_hints(const OpenRound& round);
    void clear_open_round();
    // The kept round, finished or not; nothing when there is none. A kept round
    // holding values no version writes is dropped, and only it: the reviews
    // stay, and dropped_kept_round() says so once.
    std::optional<OpenRound> open_round();
    // A kept round was dropped since the last call.
    bool dropped_kept_round() { return std::exchange(dropped_kept_round_, false); }

    // Reviews per day from `first` to `last`, one entry for each day.
    std::vector<DayReviews> reviews_per_day(Day first, Day last) const;
    // Questions due on each of `days` days from `first` on; those overdue count on `first`.
    std::vector<std::int32_t> due_per_day(Day first, int days) const;
    std::int64_t review_count() const;

    // Reviews per day of the questions of `lines` only, from `first` to `last`,
    // one entry for each day; a line held twice counts once.
    std::vector<DayReviews> list_reviews_per_day(const std::vector<std::u16string>& lines, Day first, Day last) const;

    // Every review of the log, question by question, each question's in the order
    // they were made. A value no version writes throws a StoreError (Corrupt).
    void each_review(const std::function<void(const LoggedReview&)>& take) const;

    // The last review of `line`: its rating and day; nothing when it was never reviewed.
    std::optional<LastReview> last_review(std::u16string_view line) const;

private:
    void open(Options options);
    void create_schema();
    // The desired retention the file keeps, when it keeps one it may.
    void read_settings();
    // Keys from before questions were normalised become the keys of today (version 1 to 2).
    void rekey_questions();
    void write_round(const OpenRound& round);
    // The kept round as the file holds it; throws DamagedValue for a value no version writes.
    std::optional<OpenRound> read_open_round() const;
    QuestionMemory write_review(std::u16string_view line, Rating rating, std::int64_t time_ms, Day day);
    // Records `round`; when `maybe_recorded`, a record of it (by its start and list) is brought up to date instead.
    void record_round_row(const RoundRecord& round, bool maybe_recorded);
    // Throws the StoreError that names what went wrong.
    [[noreturn]] void fail(const std::exception& error) const;
    [[noreturn]] void fail(const std::exception& error, int system_error) const;
    // Runs `body` as one transaction; a failure rolls it back and throws a StoreError.
    template <typename Body>
    auto in_transaction(Body body);

    std::filesystem::path path_;
    std::optional<std::filesystem::path> moved_aside_;
    bool dropped_kept_round_ = false;
    std::unique_ptr<SQLite::Database> db_;
    double desired_retention_;
    Scheduler scheduler_;
};

}  // namespace memory
