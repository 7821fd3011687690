#include <gtest/gtest.h>

#include "memory/day_outlook.h"
#include "store_fixture.h"

namespace {

using memory::Day;
using memory::QuestionMemory;
using memory::Rating;

constexpr Day kToday = 20000;

std::optional<QuestionMemory> due_on(Day due_day, Day first_day = kToday - 30)
{
    QuestionMemory memory;
    memory.first_day = first_day;
    memory.last_day = first_day;
    memory.due_day = due_day;
    memory.reviews = 1;
    return memory;
}

TEST(DayOutlook, CountsTodayAndFindsTheNextDayAfterIt)
{
    const std::optional<QuestionMemory> fresh;
    struct Case {
        const char* name;
        std::vector<std::optional<QuestionMemory>> memories;
        int due;
        int fresh;
        std::optional<Day> next_day;
        int next_count;
    };
    const Case cases[] = {
        {"an empty list", {}, 0, 0, std::nullopt, 0},
        {"only new questions", {fresh, fresh}, 0, 2, std::nullopt, 0},
        {"overdue and due today count as due, not as next",
         {due_on(kToday - 4), due_on(kToday), fresh},
         2,
         1,
         std::nullopt,
         0},
        {"the nearest later day, with all that fall due on it",
         {due_on(kToday + 5), due_on(kToday + 1), due_on(kToday + 1), due_on(kToday + 2)},
         0,
         0,
         kToday + 1,
         2},
        {"a day far ahead", {due_on(kToday + 40), due_on(kToday)}, 1, 0, kToday + 40, 1},
        // Today's allowance of new questions is spent by those first reviewed today.
        {"the allowance left for new ones", {due_on(kToday + 1, kToday), fresh, fresh}, 0, 1, kToday + 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const memory::DayOutlook outlook = memory::day_outlook(c.memories, kToday, 2);
        EXPECT_EQ(outlook.due, c.due);
        EXPECT_EQ(outlook.fresh, c.fresh);
        EXPECT_EQ(outlook.next_day, c.next_day);
        EXPECT_EQ(outlook.next_count, c.next_count);
    }
}

TEST_F(StoreTest, GivesTheLastReviewOfALine)
{
    memory::ReviewStore store(Path("progress.sqlite"));
    EXPECT_FALSE(store.last_review(u"Haus | house"));
    store.record(u"Haus | house", Rating::Good, 1000, kToday - 3);
    store.record(u"Haus | house", Rating::Again, 2000, kToday);
    store.record(u"Baum | tree", Rating::Good, 3000, kToday);
    const auto last = store.last_review(u"Haus | house");
    ASSERT_TRUE(last);
    EXPECT_EQ(last->rating, Rating::Again);
    EXPECT_EQ(last->day, kToday);
}

}  // namespace
