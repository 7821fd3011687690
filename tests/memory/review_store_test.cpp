#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <fstream>
#include <map>

#include "memory/question_key.h"
#include "memory/review_store.h"
#include "store_fixture.h"

namespace {

using memory::Rating;
using memory::ReviewStore;
using memory::StoreError;
using memory::StoreProblem;

constexpr memory::Day kToday = 20000;
constexpr ReviewStore::Options kQuick{100, 0.9};

// The first column of the first row `sql` gives, read by a connection of its own.
std::string first_value(const std::filesystem::path& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    std::string value = "(none)";
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW)
        value = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return value;
}

// The problem opening the store reports, or nothing when it opens.
std::optional<StoreProblem> problem_opening(const std::filesystem::path& path)
{
    try {
        ReviewStore store(path, kQuick);
        return std::nullopt;
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
        return error.problem();
    }
}

// The same, seen by a user who is not the file's owner (root reads everything).
int problem_opening_as_other_user(const std::filesystem::path& path)
{
    return in_child([&] {
        if (getuid() == 0 && setuid(65534) != 0)
            return 97;
        const auto problem = problem_opening(path);
        return problem ? 10 + static_cast<int>(*problem) : 0;
    });
}

TEST_F(StoreTest, AQuestionIsKnownByItsLineAlone)
{
    ReviewStore store(Path("progress.sqlite"));
    const auto first = store.record(u"Haus | house", Rating::Good, 1000, kToday);
    EXPECT_EQ(first.due_day, kToday + 3);  // a first "Good" is asked again three days later
    EXPECT_EQ(first.reviews, 1);
    store.record(u"Haus | house", Rating::Again, 2000, kToday + 3);

    // The same line in another list, in another place, is the same question; a changed line is a new one.
    const auto found = store.lookup({u"Baum | tree", u"Haus | house", u"Haus | House", u"Haus | house"});
    ASSERT_EQ(found.size(), 4u);
    EXPECT_FALSE(found[0]);
    ASSERT_TRUE(found[1]);
    EXPECT_EQ(found[1]->reviews, 2);
    EXPECT_EQ(found[1]->lapses, 1);
    EXPECT_EQ(found[1]->first_day, kToday);
    EXPECT_EQ(found[1]->last_day, kToday + 3);
    EXPECT_FALSE(found[2]);
    EXPECT_EQ(found[3]->due_day, found[1]->due_day);

    // A long list is looked up by reading every question once; the answer is the same.
    std::vector<std::u16string> many(5000, u"Baum | tree");
    many[4321] = u"Haus | house";
    const auto scanned = store.lookup(many);
    EXPECT_EQ(std::count_if(scanned.begin(), scanned.end(), [](const auto& m) { return m.has_value(); }), 1);
    EXPECT_EQ(scanned[4321]->reviews, 2);

    store.forget({u"Haus | house"});
    EXPECT_FALSE(store.lookup({u"Haus | house"})[0]);
    EXPECT_EQ(store.review_count(), 0);
    // Forgetting gives the log's room back.
    EXPECT_EQ(std::filesystem::file_size(Path("progress.sqlite-wal")), 0u);
}

// The store's text columns hold UTF-8: every line reads back as it was, but a
// lone surrogate, which UTF-8 cannot hold; a hand-edited byte reads as U+FFFD.
TEST(StoreText, LinesGoIntoUtf8AndComeBack)
{
    const struct {
        std::u16string line;
        std::string bytes;
        std::u16string back;
    } cases[] = {
        {u"Grüße",
         "Gr\xc3\xbc\xc3\x9f"
         "e",
         u"Grüße"},
        {u"\U0001F600 _x_", "\xf0\x9f\x98\x80 _x_", u"\U0001F600 _x_"},
        {std::u16string(1, u'\xd800') + u"a",
         "\xef\xbf\xbd"
         "a",
         u"\xfffd"
         "a"},
        {u"a" + std::u16string(1, u'\xdc00'), "a\xef\xbf\xbd", u"a\xfffd"},
        {u"", "", u""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(memory::to_utf8(c.line), c.bytes);
        EXPECT_EQ(memory::from_utf8(c.bytes), c.back);
    }
    EXPECT_EQ(memory::from_utf8("a\xff\xc3"), u"a\xfffd\xfffd");
}

TEST_F(StoreTest, OnlyItsOwnerMayReadTheFile)
{
    const auto mode = [](const std::filesystem::path& path) {
        struct stat info {};
        EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
        return info.st_mode & 0777;
    };
    {
        ReviewStore store(Path("progress.sqlite"));
        store.record(u"a", Rating::Good, 0, kToday);
        EXPECT_EQ(mode(Path("progress.sqlite-wal")), 0600u);
    }
    EXPECT_EQ(mode(Path("progress.sqlite")), 0600u);

    // A file an older version or a copy left readable by others is narrowed, its journal too.
    chmod(Path("progress.sqlite").c_str(), 0644);
    std::ofstream(Path("progress.sqlite-wal")).close();
    chmod(Path("progress.sqlite-wal").c_str(), 0666);
    ReviewStore store(Path("progress.sqlite"));
    EXPECT_EQ(mode(Path("progress.sqlite")), 0600u);
    EXPECT_EQ(mode(Path("progress.sqlite-wal")), 0600u);
}

TEST_F(StoreTest, CountsPerDayForTheProgressPage)
{
    ReviewStore store(Path("progress.sqlite"));
    store.record(u"a", Rating::Good, 0, kToday - 2);   // due kToday + 1
    store.record(u"b", Rating::Again, 0, kToday - 2);  // due kToday - 1: overdue, counts today
    store.record(u"c", Rating::Good, 0, kToday);       // due kToday + 3
    store.record(u"b", Rating::Good, 0, kToday);
    const auto days = store.reviews_per_day(kToday - 2, kToday);
    ASSERT_EQ(days.size(), 3u);
    EXPECT_EQ(days[0].right, 1);
    EXPECT_EQ(days[0].wrong, 1);
    EXPECT_EQ(days[1].right + days[1].wrong, 0);
    EXPECT_EQ(days[2].right, 2);
    const auto due = store.due_per_day(kToday, 5);
    EXPECT_EQ(due, (std::vector<std::int32_t>{0, 1, 0, 2, 0}));
}

TEST_F(StoreTest, KeepsTheRoundWithEveryMarking)
{
    ReviewStore store(Path("progress.sqlite"));
    EXPECT_FALSE(store.open_round());
    memory::OpenRound round;
    round.list_key = -42;
    round.list_name = u"Wörter.txt";
    round.started_ms = 100;
    round.tallies.questions = 4;
    round.status_count = 4;
    round.status = {{3, u"?"}};
    round.chosen = {u"Haus - _house_", u"Baum - _tree_", u"", u"Hund - _dog_"};
    store.begin_round(round, std::nullopt);

    // Each marking, its review and its changes to the round are written together.
    memory::MarkingRecord marking;
    marking.review = memory::MarkingRecord::Review{u"Haus - _house_", Rating::Again, 1000, kToday};
    marking.round = round;
    marking.round.tallies.wrong = 1;
    marking.round.tallies.trials = 2;
    marking.round.last = 2;
    marking.missed = {{0, u"Haus - _house_"}};
    store.record_marking(marking);
    marking = {};
    marking.review = memory::MarkingRecord::Review{u"Haus - _house_ ", Rating::Good, 2000, kToday};
    marking.round = round;
    marking.round.tallies.correct = 1;
    marking.status_entry = {{0, u"X"}};
    store.record_marking(marking);

    auto kept = store.open_round();
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept->finished);
    EXPECT_EQ(kept->list_name, round.list_name);
    EXPECT_EQ(kept->chosen, round.chosen);
    EXPECT_EQ(kept->tallies.correct, 1);
    EXPECT_EQ(kept->status, (std::map<std::int32_t, std::u16string>{{0, u"X"}, {3, u"?"}}));
    EXPECT_EQ(kept->missed, (std::map<std::int32_t, std::u16string>{{0, u"Haus - _house_"}}));
    EXPECT_EQ(kept->reviewed, (std::set<std::int64_t>{memory::question_key(u"Haus - _house_")}));
    EXPECT_EQ(store.review_count(), 2);

    // The last marking ends the round: recorded, and never offered again, but its misses stay.
    marking = {};
    marking.round = round;
    marking.ended = memory::RoundRecord{u"Wörter.txt", 100, 3000, {4, 4, 7, 2, 1}};
    store.record_marking(marking);
    kept = store.open_round();
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->finished);
    EXPECT_EQ(kept->missed.size(), 1u);
    ASSERT_EQ(store.rounds().size(), 1u);
    EXPECT_EQ(store.rounds()[0].tallies.trials, 7);

    // A marking of a round another copy of the program has replaced changes nothing of the new one.
    // The other copy recorded the replaced round as it stood; its end brings that record up to date.
    memory::OpenRound mine = round;
    mine.started_ms = 500;
    store.begin_round(mine, std::nullopt);
    memory::OpenRound other = round;
    other.started_ms = 600;
    store.begin_round(other, memory::RoundRecord{u"Wörter.txt", 500, 650, {4, 0, 1, 0, 0}});
    marking = {};
    marking.round = mine;
    marking.round.tallies.correct = 3;
    store.record_marking(marking);
    EXPECT_EQ(store.open_round()->tallies.correct, 0);
    EXPECT_TRUE(store.open_round()->missed.empty());
    marking.ended = memory::RoundRecord{u"Wörter.txt", 500, 900, {4, 4, 5, 1, 0}};
    store.record_marking(marking);
    ASSERT_EQ(store.rounds().size(), 2u);
    EXPECT_EQ(store.rounds()[0].tallies.trials, 7);
    EXPECT_EQ(store.rounds()[1].tallies.trials, 5);
    EXPECT_EQ(store.rounds()[1].ended_ms, 900);
    store.clear_open_round();
    EXPECT_FALSE(store.open_round());
}

TEST_F(StoreTest, AFileOfTheFirstVersionIsKeyedAnewAndKeepsItsHistory)
{
    // Written by the first version: "Café" composed, and decomposed with a blank at its end,
    // were two questions there (reviewed on day 20000 and, answered wrong, on day 20001);
    // "Haus" was reviewed twice. It also kept a round to continue.
    const auto path = Path("progress.sqlite");
    std::filesystem::copy_file(PROGRESS_V1, path);
    ReviewStore store(path);
    EXPECT_FALSE(store.moved_aside());
    EXPECT_EQ(first_value(path, "PRAGMA user_version"), "2");
    const auto found = store.lookup({u"Caf\u00e9 - _coffee_", u"Cafe\u0301 - _coffee_", u"Haus - _house_"});
    ASSERT_TRUE(found[0] && found[1] && found[2]);
    EXPECT_EQ(found[0]->reviews, 2);  // both old questions, one now, in the state of the later review
    EXPECT_EQ(found[0]->lapses, 0);
    EXPECT_EQ(found[0]->first_day, 20000);
    EXPECT_EQ(found[0]->last_day, 20001);
    EXPECT_EQ(found[0]->due_day, 20002);
    EXPECT_EQ(found[1]->due_day, found[0]->due_day);
    EXPECT_EQ(found[2]->reviews, 2);
    EXPECT_EQ(first_value(path, "SELECT count(*) FROM questions"), "2");
    EXPECT_EQ(store.review_count(), 4);
    EXPECT_EQ(store.rounds().size(), 1u);
    // Its kept round named its list by the old keys: it cannot be matched any more.
    EXPECT_FALSE(store.open_round());
    store.forget({u"Cafe\u0301 - _coffee_"});
    EXPECT_EQ(store.review_count(), 2);
}

TEST_F(StoreTest, EachReasonItCannotBeOpenedIsNamed)
{
    const bool root = getuid() == 0;
    std::filesystem::permissions(folder_, std::filesystem::perms::all);  // others may enter
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> prepare;
        bool as_other_user;
        StoreProblem expected;
    };
    const Case cases[] = {
        {"a folder", [](const auto& path) { std::filesystem::create_directory(path); }, false, StoreProblem::Folder},
        {"unreadable",
         [](const auto& path) {
             {
                 ReviewStore store(path);
             }
             chmod(path.c_str(), 0600);
         },
         true, StoreProblem::Unreadable},
        {"read-only",
         [](const auto& path) {
             {
                 ReviewStore store(path);
             }
             chmod(path.c_str(), 0644);
         },
         true, StoreProblem::ReadOnly},
        {"a link to a device", [](const auto& path) { std::filesystem::create_symlink("/dev/null", path); }, false,
         StoreProblem::NotAFile},
        {"a pipe", [](const auto& path) { mkfifo(path.c_str(), 0600); }, false, StoreProblem::NotAFile},
        {"in a read-only folder",
         [](const auto& path) {
             std::filesystem::create_directory(path.parent_path());
             chmod(path.parent_path().c_str(), 0555);
         },
         true, StoreProblem::FolderReadOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const bool own_folder = c.expected == StoreProblem::FolderReadOnly;
        const auto path = own_folder ? Path(c.name) / "progress.sqlite" : Path(std::string(c.name) + ".sqlite");
        c.prepare(path);
        if (c.as_other_user && !own_folder) {
            if (!root)
                chmod(path.c_str(), c.expected == StoreProblem::Unreadable ? 0000 : 0400);
            EXPECT_EQ(root ? problem_opening_as_other_user(path) : 10 + static_cast<int>(*problem_opening(path)),
                      10 + static_cast<int>(c.expected));
        } else if (c.as_other_user) {
            EXPECT_EQ(root ? problem_opening_as_other_user(path) : 10 + static_cast<int>(*problem_opening(path)),
                      10 + static_cast<int>(c.expected));
        } else {
            EXPECT_EQ(problem_opening(path), c.expected);
        }
    }
    // Nothing was made beside the device the link led to.
    EXPECT_FALSE(std::filesystem::exists("/dev/null-journal"));
    EXPECT_FALSE(std::filesystem::exists("/dev/null-wal"));
}

TEST_F(StoreTest, AValueNoVersionWritesIsDamageNeverARead)
{
    // Hand edits of the file: each makes the question's row unusable.
    const char* edits[] = {
        "UPDATE questions SET due_day = 4294967301", "UPDATE questions SET due_day = -4294967000",
        "UPDATE questions SET stability = 0",        "UPDATE questions SET stability = -1",
        "UPDATE questions SET difficulty = 'many'",  "UPDATE questions SET reviews = -3",
    };
    for (const char* edit : edits) {
        SCOPED_TRACE(edit);
        const auto path = Path("edited.sqlite");
        std::filesystem::remove(path);
        {
            ReviewStore store(path, kQuick);
            store.record(u"a", Rating::Good, 0, kToday);
        }
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, edit, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        ReviewStore store(path, kQuick);
        const auto problem = [](auto&& read) -> std::optional<StoreProblem> {
            try {
                read();
                return std::nullopt;
            } catch (const StoreError& error) {
                return error.problem();
            }
        };
        std::vector<std::u16string> many(3000, u"b");
        many.push_back(u"a");
        EXPECT_EQ(problem([&] { store.lookup({u"a"}); }), StoreProblem::Corrupt);
        EXPECT_EQ(problem([&] { store.lookup(many); }), StoreProblem::Corrupt);
        EXPECT_EQ(problem([&] { store.record(u"a", Rating::Good, 0, kToday + 1); }), StoreProblem::Corrupt);
        if (std::string(edit).find("due_day") != std::string::npos) {
            EXPECT_EQ(problem([&] { store.due_per_day(kToday, 14); }), StoreProblem::Corrupt);
        }
    }
}

// Whatever the store writes it reads back; a kept round it cannot use is dropped
// alone, never taken for damage of the learner's history.
TEST_F(StoreTest, WhatItWritesItReadsBackAndABadKeptRoundGoesAlone)
{
    const auto path = Path("progress.sqlite");
    const auto exec = [&](const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(db);
    };
    memory::OpenRound round;
    round.list_key = 7;
    round.started_ms = 100;
    round.tallies.questions = round.status_count = 2;
    {
        ReviewStore store(path, kQuick);
        store.record(u"a", Rating::Good, 0, kToday);
        store.begin_round(round, std::nullopt);
        // Hints of the question on display and of the round come back.
        round.question_hints = 2;
        round.round_hints = 5;
        store.keep_hints(round);
        EXPECT_EQ(store.open_round()->question_hints, 2);
        EXPECT_EQ(store.open_round()->round_hints, 5);
        // A place the reader would refuse is never written: the program's fault is named, the file stays.
        memory::MarkingRecord marking;
        marking.round = round;
        marking.missed = {{-1, u"gone"}};
        try {
            store.record_marking(marking);
            ADD_FAILURE() << "a missed line at place -1 was written";
        } catch (const StoreError& error) {
            EXPECT_EQ(error.problem(), StoreProblem::Other);
        }
        round.status = {{2, u"X"}};
        EXPECT_THROW(store.keep_round(round, std::nullopt), StoreError);
        round.status.clear();
        // The largest counts stay the largest.
        exec("UPDATE questions SET reviews = 2147483647, lapses = 2147483647");
        EXPECT_EQ(store.record(u"a", Rating::Again, 1, kToday + 1).reviews, 2147483647);
        EXPECT_EQ(store.lookup({u"a"})[0]->lapses, 2147483647);
    }
    // A file from before the hints were kept gets them, each 0, and keeps its round.
    exec("ALTER TABLE open_round DROP COLUMN question_hints; ALTER TABLE open_round DROP COLUMN round_hints");
    {
        ReviewStore store(path, kQuick);
        ASSERT_TRUE(store.open_round());
        EXPECT_EQ(store.open_round()->question_hints, 0);
        store.keep_round(round, std::nullopt);
    }
    // Hand edits (or faults of an earlier version) of the kept round alone.
    const char* edits[] = {
        "INSERT INTO open_missed (place, line) VALUES (-1, 'gone')",
        "UPDATE open_round SET status_count = -1",
        "INSERT INTO open_status (place, entry) VALUES (30000000, 'X')",
        "UPDATE open_round SET gap_mode = 7",
        "UPDATE open_round SET question_hints = -3",
        "UPDATE open_round SET trials = 4294967296",
    };
    for (const char* edit : edits) {
        SCOPED_TRACE(edit);
        {
            ReviewStore store(path, kQuick);
            store.begin_round(round, std::nullopt);
        }
        exec(edit);
        ReviewStore store(path, kQuick);
        EXPECT_FALSE(store.open_round());
        EXPECT_TRUE(store.dropped_kept_round());
        EXPECT_FALSE(store.dropped_kept_round());
        EXPECT_FALSE(store.open_round());
        EXPECT_FALSE(store.moved_aside());
        EXPECT_EQ(store.review_count(), 2);
    }
}

TEST_F(StoreTest, ADamagedFileIsMovedAsideAndAFreshOneMade)
{
    const auto path = Path("progress.sqlite");
    const std::string garbage(10000, 'x');
    {
        std::ofstream(path, std::ios::binary) << garbage;
    }
    ReviewStore store(path);
    ASSERT_TRUE(store.moved_aside());
    std::ifstream kept(*store.moved_aside(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), garbage);
    store.record(u"a", Rating::Good, 0, kToday);
    EXPECT_EQ(store.review_count(), 1);

    // A second damaged file does not overwrite the first one put aside.
    {
        std::ofstream(Path("second.sqlite"), std::ios::binary) << garbage;
    }
    std::filesystem::copy_file(*store.moved_aside(), Path("second.sqlite").string() + ".keep");
    ReviewStore second(Path("second.sqlite"));
    EXPECT_NE(second.moved_aside(), store.moved_aside());
}

TEST_F(StoreTest, DamageFoundAfterOpeningIsNamedAndTheFileCanBeMovedAside)
{
    const auto path = Path("progress.sqlite");
    {
        ReviewStore store(path);
        for (int i = 0; i < 3000; ++i)
            store.record(u"question " + std::u16string(1, static_cast<char16_t>(0x4e00 + i)), Rating::Good, i, kToday);
    }
    // Every page but the first (the header and the table of tables) overwritten.
    const auto size = std::filesystem::file_size(path);
    ASSERT_GT(size, 3 * 4096u);
    {
        std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096);
        const std::string garbage(size - 4096, '\xff');
        file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    }
    ReviewStore damaged(path, kQuick);
    EXPECT_FALSE(damaged.moved_aside());
    try {
        damaged.record(u"one more", Rating::Good, 0, kToday);
        ADD_FAILURE() << "recorded into a damaged file";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.problem(), StoreProblem::Corrupt) << error.what();
    }

    const auto aside = ReviewStore::move_aside(path);
    EXPECT_EQ(std::filesystem::file_size(aside), size);
    ReviewStore fresh(path);
    fresh.record(u"one more", Rating::Good, 0, kToday);
    EXPECT_EQ(fresh.review_count(), 1);
}

TEST_F(StoreTest, LockedLongerThanTheTimeoutIsNamed)
{
    const auto path = Path("progress.sqlite");
    {
        ReviewStore store(path);
        store.record(u"a", Rating::Good, 0, kToday);
    }
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA journal_mode = DELETE; PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_EQ(problem_opening(path), StoreProblem::Locked);

    // Opened before the lock was taken: a marking then fails the same way, and loses nothing already kept.
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ReviewStore store(path, kQuick);
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        store.record(u"b", Rating::Good, 0, kToday);
        ADD_FAILURE() << "recorded while locked";
    } catch (const StoreError& error) {
        EXPECT_EQ(error.problem(), StoreProblem::Locked);
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(store.review_count(), 1);
}

// Records until the disk is full and reports the problem; 0 when it never came.
int record_until_full(const std::filesystem::path& path)
{
    ReviewStore store(path, kQuick);
    const std::u16string padding(200, u'w');
    for (int i = 0; i < 100000; ++i) {
        try {
            store.record(padding + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + char16_t(i), Rating::Good,
                         i, kToday);
        } catch (const StoreError& error) {
            return 10 + static_cast<int>(error.problem());
        }
    }
    return 0;
}

TEST_F(StoreTest, AFullDiskIsNamedAndWhatWasKeptStays)
{
    // A small file system of its own where permitted; otherwise a file size limit
    // in a child process, which the store meets the same way (EFBIG for ENOSPC).
    const auto mount_point = Path("small");
    std::filesystem::create_directory(mount_point);
    const bool mounted = mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=512k") == 0;
    const auto path = (mounted ? mount_point : folder_) / "progress.sqlite";
    const int result = in_child([&] {
        if (!mounted) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{512 * 1024, 512 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        return record_until_full(path);
    });
    EXPECT_EQ(result, 10 + static_cast<int>(StoreProblem::DiskFull)) << (mounted ? "tmpfs" : "file size limit");
    {
        ReviewStore store(path, kQuick);
        EXPECT_GT(store.review_count(), 10);
        EXPECT_EQ(first_value(path, "PRAGMA integrity_check"), "ok");
    }
    if (mounted)
        umount(mount_point.c_str());
}

TEST_F(StoreTest, TwoProgramsRecordAtOnceWithoutLosingAMarking)
{
    const auto path = Path("progress.sqlite");
    {
        ReviewStore store(path);
    }
    constexpr int kEach = 300;
    auto writer = [&](int who) {
        return [&, who] {
            ReviewStore store(path);
            for (int i = 0; i < kEach; ++i)
                store.record(std::u16string(u"shared ") + char16_t(u'a' + i % 20), who ? Rating::Good : Rating::Again,
                             i, kToday + i / 20);
            return 0;
        };
    };
    const pid_t first = fork();
    if (first == 0)
        _exit(in_child(writer(0)));
    const int second = in_child(writer(1));
    int status = 0;
    waitpid(first, &status, 0);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(first_value(path, "SELECT count(*) FROM reviews"), std::to_string(2 * kEach));
    EXPECT_EQ(first_value(path, "SELECT sum(reviews) FROM questions"), std::to_string(2 * kEach));
}

TEST_F(StoreTest, KilledWhileRecordingLeavesAStoreThatOpens)
{
    const auto path = Path("progress.sqlite");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        ReviewStore store(path);
        for (int i = 0;; ++i) {
            store.record(std::u16string(u"question ") + char16_t(u'a' + i % 500), Rating::Good, i, kToday + i / 500);
            if (i == 200 && write(ready[1], "r", 1) != 1)
                _exit(1);
        }
    }
    close(ready[1]);
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    close(ready[0]);

    ReviewStore store(path);
    EXPECT_FALSE(store.moved_aside());
    const auto reviews = store.review_count();
    EXPECT_GT(reviews, 200);
    // Every review kept has its question's state, and no state counts a review that is not kept.
    EXPECT_EQ(first_value(path, "SELECT sum(reviews) FROM questions"), std::to_string(reviews));
}

}  // namespace
