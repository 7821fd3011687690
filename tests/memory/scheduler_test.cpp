#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "memory/scheduler.h"

namespace {

using memory::Rating;
using memory::Scheduler;

// One row of the table ts-fsrs wrote (tools/fsrs_reference): a review and what
// the reference makes of it.
struct ReferenceRow {
    int sequence = 0;
    int day = 0;
    Rating rating = Rating::Good;
    double stability = 0;
    double difficulty = 0;
    int due_day = 0;
};

std::vector<ReferenceRow> read_table(const char* path)
{
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    const std::map<std::string, Rating> ratings = {
        {"again", Rating::Again}, {"hard", Rating::Hard}, {"good", Rating::Good}};
    std::vector<ReferenceRow> rows;
    std::string line;
    std::getline(in, line);  // heading
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, ',');)
            cells.push_back(cell);
        if (cells.size() != 7 || !ratings.contains(cells[3])) {
            ADD_FAILURE() << "malformed row: " << line;
            continue;
        }
        rows.push_back({std::stoi(cells[0]), std::stoi(cells[2]), ratings.at(cells[3]), std::stod(cells[4]),
                        std::stod(cells[5]), std::stoi(cells[6])});
    }
    return rows;
}

// The same reviews under two desired retentions: the states agree, the due days differ.
struct ReferenceTable {
    const char* name;
    const char* path;
    double desired_retention;
};

class SchedulerReference : public ::testing::TestWithParam<ReferenceTable> {};

INSTANTIATE_TEST_SUITE_P(Scheduler, SchedulerReference,
                         ::testing::Values(ReferenceTable{"Retention90", FSRS_REFERENCE_TABLE, 0.9},
                                           ReferenceTable{"Retention80", FSRS_REFERENCE_TABLE_80, 0.8}),
                         [](const auto& table) { return std::string(table.param.name); });

TEST_P(SchedulerReference, MatchesTheReferenceImplementation)
{
    const auto rows = read_table(GetParam().path);
    ASSERT_GE(rows.size(), 200u);
    const Scheduler scheduler(GetParam().desired_retention);
    std::map<int, int> sequences;
    std::map<Rating, int> after_again;  // each rating counted where it follows a lapse
    std::map<Rating, int> first;
    int last_sequence = -1;
    std::optional<memory::MemoryState> state;
    int last_day = 0;
    Rating last_rating = Rating::Good;
    for (const auto& row : rows) {
        if (row.sequence != last_sequence) {
            state.reset();
            last_day = 0;
            last_sequence = row.sequence;
        }
        ++sequences[row.sequence];
        if (!state)
            ++first[row.rating];
        else if (last_rating == Rating::Again)
            ++after_again[row.rating];
        const auto review = scheduler.review(state, row.day - last_day, row.rating);
        SCOPED_TRACE("sequence " + std::to_string(row.sequence) + ", day " + std::to_string(row.day));
        EXPECT_NEAR(review.state.stability, row.stability, 1e-6);
        EXPECT_NEAR(review.state.difficulty, row.difficulty, 1e-6);
        EXPECT_EQ(row.day + review.interval_days, row.due_day);
        state = review.state;
        last_day = row.day;
        last_rating = row.rating;
    }
    EXPECT_GE(sequences.size(), 200u);
    for (const Rating rating : {Rating::Again, Rating::Hard, Rating::Good}) {
        EXPECT_GE(first[rating], 20) << static_cast<int>(rating);
        EXPECT_GE(after_again[rating], 20) << static_cast<int>(rating);
    }
}

TEST(Scheduler, EveryIntervalIsAWholeDayOrMore)
{
    const Scheduler scheduler;
    struct Case {
        std::optional<memory::MemoryState> before;
        int elapsed;
        Rating rating;
    };
    const Case cases[] = {
        {std::nullopt, 0, Rating::Again},
        {memory::MemoryState{0.2, 9.5}, 0, Rating::Again},
        {memory::MemoryState{0.001, 10}, 400, Rating::Again},
        {memory::MemoryState{36500, 1}, 0, Rating::Good},
    };
    for (const auto& c : cases) {
        const auto review = scheduler.review(c.before, c.elapsed, c.rating);
        EXPECT_GE(review.interval_days, 1);
        // The longest interval is 100 years; a better answer may still be a day or so later.
        EXPECT_LE(review.interval_days, 36503);
        EXPECT_GE(review.state.difficulty, 1);
        EXPECT_LE(review.state.difficulty, 10);
    }
}

TEST(Scheduler, RefusesWhatCannotBe)
{
    EXPECT_THROW(Scheduler(0), std::invalid_argument);
    EXPECT_THROW(Scheduler(1.5), std::invalid_argument);
    EXPECT_THROW(Scheduler().review(memory::MemoryState{3, 5}, -1, Rating::Good), std::invalid_argument);
}

}  // namespace
