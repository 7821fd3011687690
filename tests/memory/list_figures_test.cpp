#include "memory/list_figures.h"

#include <gtest/gtest.h>

#include <limits>

#include "store_fixture.h"

namespace {

using memory::Day;
using memory::DayReviews;
using memory::QuestionMemory;

constexpr Day kToday = 20000;
constexpr Day kLowest = std::numeric_limits<Day>::min();
constexpr Day kHighest = std::numeric_limits<Day>::max();

std::optional<QuestionMemory> dueOn(Day day, double stability = 1, Day first = kToday - 30)
{
    QuestionMemory memory;
    memory.state = {stability, 5};
    memory.first_day = first;
    memory.due_day = day;
    return memory;
}

TEST(ListFiguresTest, DueQuestionsFallOnTheirDayOfTheWindow)
{
    struct Row {
        const char* what;
        std::optional<QuestionMemory> memory;
        std::vector<std::int32_t> expected;  // three days from kToday
    };
    const Row rows[] = {
        {"never reviewed", std::nullopt, {0, 0, 0}},
        {"due today", dueOn(kToday), {1, 0, 0}},
        {"overdue counts today", dueOn(kToday - 5), {1, 0, 0}},
        {"a damaged day far back counts today", dueOn(kLowest), {1, 0, 0}},
        {"last day of the window", dueOn(kToday + 2), {0, 0, 1}},
        {"after the window", dueOn(kToday + 3), {0, 0, 0}},
        {"a damaged day far ahead", dueOn(kHighest), {0, 0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(memory::due_per_day({row.memory}, kToday, 3), row.expected) << row.what;
    EXPECT_TRUE(memory::due_per_day({dueOn(kToday)}, kToday, -1).empty());
}

TEST(ListFiguresTest, ReviewsFillTheWindowDayByDay)
{
    struct Row {
        const char* what;
        std::vector<DayReviews> reviews;
        std::vector<std::pair<int, int>> expected;  // right, wrong on kToday - 1 and kToday
    };
    const Row rows[] = {
        {"no reviews", {}, {{0, 0}, {0, 0}}},
        {"in any order", {{kToday, 1, 2}, {kToday - 1, 3, 0}}, {{3, 0}, {1, 2}}},
        {"a day given twice adds up", {{kToday, 1, 0}, {kToday, 2, 1}}, {{0, 0}, {3, 1}}},
        {"outside the window", {{kToday - 2, 5, 5}, {kToday + 1, 5, 5}}, {{0, 0}, {0, 0}}},
        {"damaged days and counts", {{kLowest, 1, 1}, {kHighest, 1, 1}, {kToday, -4, 2}}, {{0, 0}, {0, 2}}},
    };
    for (const Row& row : rows) {
        const auto window = memory::reviews_in_window(row.reviews, kToday, 2);
        ASSERT_EQ(window.size(), 2u) << row.what;
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(window[i].day, kToday - 1 + static_cast<Day>(i)) << row.what;
            EXPECT_EQ(std::make_pair(window[i].right, window[i].wrong), row.expected[i]) << row.what;
        }
    }
}

TEST(ListFiguresTest, NewQuestionsOfTodayAndStatesAsADueRoundSeesThem)
{
    std::vector<std::optional<QuestionMemory>> memories(25);  // never reviewed
    memories.push_back(dueOn(kToday + 1, 30, kToday));        // known, first reviewed today
    memories.push_back(dueOn(kToday, 2));                     // learning, due today
    const auto figures = memory::list_figures(memories, {}, kToday, 30, 14);
    EXPECT_EQ(figures.new_today, 19);  // one of the day's 20 went to the question reviewed today
    EXPECT_EQ(figures.due.size(), 14u);
    EXPECT_EQ(figures.due[0], 1);
    EXPECT_EQ(figures.due[1], 1);
    EXPECT_EQ(figures.reviews.size(), 30u);
    EXPECT_EQ(figures.states.fresh, 25);
    EXPECT_EQ(figures.states.learning, 1);
    EXPECT_EQ(figures.states.known, 1);
}

TEST_F(StoreTest, ReviewsOfAListCountItsQuestionsOnly)
{
    memory::ReviewStore store(Path("progress.sqlite"));
    store.record(u"mine", memory::Rating::Again, 0, kToday - 1);
    store.record(u"mine", memory::Rating::Good, 0, kToday);
    store.record(u"other list", memory::Rating::Good, 0, kToday);
    store.record(u"mine", memory::Rating::Good, 0, kToday - 5);  // before the window
    const auto days = store.list_reviews_per_day({u"mine", u"never seen", u"mine"}, kToday - 1, kToday);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].day, kToday - 1);
    EXPECT_EQ(std::make_pair(days[0].right, days[0].wrong), std::make_pair(0, 1));
    EXPECT_EQ(std::make_pair(days[1].right, days[1].wrong), std::make_pair(1, 0));
    EXPECT_TRUE(store.list_reviews_per_day({}, kToday, kToday)[0].right == 0);
}

}  // namespace
