#include <sqlite3.h>

#include <map>
#include <vector>

#include "memory/review_store.h"
#include "store_fixture.h"

namespace {

using memory::Rating;
using memory::ReviewStore;

constexpr memory::Day kToday = 20000;
constexpr ReviewStore::Options kQuick{100, 0.9};

// Runs `sql` on the file through a connection of its own.
void run_sql(const std::filesystem::path& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

// The days to the next review after the same history, answered on days 0, 3 and 10.
int interval_after_history(ReviewStore& store, const std::vector<Rating>& ratings)
{
    const memory::Day days[] = {0, 3, 10};
    memory::QuestionMemory last;
    for (std::size_t i = 0; i < ratings.size(); ++i)
        last = store.record(u"Haus | _house_", ratings[i], 0, kToday + days[i]);
    return last.due_day - last.last_day;
}

TEST_F(StoreTest, ALowerRetentionGivesLongerIntervals)
{
    const std::vector<std::vector<Rating>> histories = {
        {Rating::Good},
        {Rating::Good, Rating::Good},
        {Rating::Good, Rating::Again, Rating::Good},
        {Rating::Hard, Rating::Good, Rating::Easy},
    };
    for (std::size_t h = 0; h < histories.size(); ++h) {
        std::map<double, int> interval;
        for (const double retention : {0.8, 0.9, 0.95}) {
            const auto path = Path("progress-" + std::to_string(h) + "-" + std::to_string(retention) + ".sqlite");
            ReviewStore store(path, kQuick);
            store.set_desired_retention(retention);
            interval[retention] = interval_after_history(store, histories[h]);
        }
        SCOPED_TRACE("history " + std::to_string(h));
        EXPECT_GT(interval[0.8], interval[0.9]);
        EXPECT_GE(interval[0.9], interval[0.95]);
        EXPECT_GT(interval[0.8], interval[0.95]);
    }
}

TEST_F(StoreTest, TheRetentionIsKeptInTheFileAndADueDayStays)
{
    const auto path = Path("progress.sqlite");
    memory::Day due_before = 0;
    {
        ReviewStore store(path, kQuick);
        EXPECT_EQ(store.desired_retention(), 0.9);
        due_before = store.record(u"Baum | _tree_", Rating::Good, 0, kToday).due_day;
        store.set_desired_retention(0.8);
        EXPECT_EQ(store.lookup({u"Baum | _tree_"})[0]->due_day, due_before);
        EXPECT_THROW(store.set_desired_retention(0.5), std::invalid_argument);
        EXPECT_THROW(store.set_desired_retention(1.0), std::invalid_argument);
        EXPECT_EQ(store.desired_retention(), 0.8);
    }
    ReviewStore reopened(path, kQuick);
    EXPECT_EQ(reopened.desired_retention(), 0.8);
    EXPECT_EQ(reopened.lookup({u"Baum | _tree_"})[0]->due_day, due_before);
    // The next review follows the kept retention: as in a store told 0.8 itself.
    ReviewStore told(Path("told.sqlite"), kQuick);
    told.set_desired_retention(0.8);
    told.record(u"Baum | _tree_", Rating::Good, 0, kToday);
    EXPECT_EQ(reopened.record(u"Baum | _tree_", Rating::Good, 0, kToday + 5).due_day,
              told.record(u"Baum | _tree_", Rating::Good, 0, kToday + 5).due_day);
}

TEST_F(StoreTest, ARetentionNoVersionWritesIsPassedOverAndTheHistoryStays)
{
    for (const char* value : {"'0.8'", "2.0", "0.5", "NULL"}) {
        const auto path = Path(std::string("progress-") + value + ".sqlite");
        {
            ReviewStore store(path, kQuick);
            store.record(u"Haus | _house_", Rating::Good, 0, kToday);
        }
        run_sql(path, (std::string("DROP TABLE settings; CREATE TABLE settings (name TEXT PRIMARY KEY, value); "
                                   "INSERT INTO settings VALUES ('desired_retention', ") +
                       value + ")")
                          .c_str());
        ReviewStore store(path, kQuick);
        SCOPED_TRACE(value);
        EXPECT_FALSE(store.moved_aside());
        EXPECT_EQ(store.desired_retention(), 0.9);
        EXPECT_EQ(store.review_count(), 1);
    }
}

TEST_F(StoreTest, AFileWithoutSettingsGetsThem)
{
    // As a file of an earlier version has it: no settings table.
    const auto path = Path("progress.sqlite");
    {
        ReviewStore store(path, kQuick);
        store.record(u"Haus | _house_", Rating::Good, 0, kToday);
    }
    run_sql(path, "DROP TABLE settings");
    {
        ReviewStore store(path, kQuick);
        EXPECT_EQ(store.desired_retention(), 0.9);
        store.set_desired_retention(0.95);
    }
    ReviewStore store(path, kQuick);
    EXPECT_EQ(store.desired_retention(), 0.95);
    EXPECT_EQ(store.review_count(), 1);
}

}  // namespace
