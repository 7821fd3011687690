#include <gtest/gtest.h>

#include <map>
#include <set>

#include "quiz/status_tally.h"

namespace {

using quiz::StatusTally;

std::mt19937_64 seeded(std::uint64_t seed = 42) { return std::mt19937_64(seed); }

TEST(StatusTally, CountsFollowEveryKindOfChange)
{
    StatusTally tally;
    tally.reset(4);
    EXPECT_EQ(tally.open_count(), 4);
    EXPECT_EQ(tally.correct_count(), 0);

    tally.set(1, u"X");
    tally.set(2, u"x");  // lower case is neither open nor correct
    EXPECT_EQ(tally.open_count(), 2);
    EXPECT_EQ(tally.correct_count(), 1);

    tally.set(9, u"X");  // beyond the end: nothing
    EXPECT_EQ(tally.correct_count(), 1);
    EXPECT_EQ(tally.kind(9), quiz::EntryKind::Other);
    EXPECT_EQ(tally.kind(2), quiz::EntryKind::Other);

    // The user deletes entries 1..2 and types three new lines in their place.
    tally.replace(1, 2, {u"0", u"X", u"X"});
    EXPECT_EQ(tally.size(), 5);
    EXPECT_EQ(tally.open_count(), 3);
    EXPECT_EQ(tally.correct_count(), 2);
    EXPECT_EQ(tally.kind(3), quiz::EntryKind::Correct);
    EXPECT_EQ(tally.kind(1), quiz::EntryKind::Open);

    tally.reset(0);
    EXPECT_EQ(tally.size(), 0);
    EXPECT_EQ(tally.open_count(), 0);
}

TEST(StatusTally, PickNeverChoosesACorrectEntry)
{
    StatusTally tally;
    tally.reset(50);
    for (int i = 0; i < 50; ++i)
        if (i != 17 && i != 33)
            tally.set(i, u"X");
    auto random = seeded();
    std::set<int> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(*tally.pick(50, random));
    EXPECT_EQ(seen, (std::set<int>{17, 33}));
}

TEST(StatusTally, PickIsRoughlyUniform)
{
    StatusTally tally;
    tally.reset(4);
    auto random = seeded(7);
    std::map<int, int> hits;
    for (int i = 0; i < 4000; ++i)
        ++hits[*tally.pick(4, random)];
    for (const auto& [index, count] : hits)
        EXPECT_NEAR(count, 1000, 150) << index;
}

TEST(StatusTally, HandEditedEntriesCanStillBeAsked)
{
    StatusTally tally;
    tally.reset(2);
    tally.set(0, u"X");
    tally.set(1, u"x");
    auto random = seeded();
    EXPECT_EQ(tally.pick(2, random), 1);
    EXPECT_EQ(tally.open_count(), 0);
}

TEST(StatusTally, PickEndsWhenNothingBelowTheLimitIsLeft)
{
    StatusTally tally;
    tally.reset(3);
    tally.set(0, u"X");
    tally.set(1, u"X");
    // Only entry 2 is open, but the round has two questions.
    auto random = seeded();
    EXPECT_EQ(tally.pick(2, random), std::nullopt);
    EXPECT_EQ(tally.pick(0, random), std::nullopt);

    // Many open entries beyond the limit and one below it: found all the same.
    tally.replace(3, 0, std::vector<std::u16string>(1000, u"0"));
    tally.set(1, u"0");
    EXPECT_EQ(tally.pick(2, random), 1);
}

TEST(StatusTally, IndicesBeyondAShortColumnCanBeAsked)
{
    // The user deleted status lines: questions without an entry stay askable.
    StatusTally tally;
    tally.reset(1);
    tally.set(0, u"X");
    auto random = seeded();
    std::set<int> seen;
    for (int i = 0; i < 100; ++i)
        seen.insert(*tally.pick(3, random));
    EXPECT_EQ(seen, (std::set<int>{1, 2}));
}

TEST(StatusTally, EligibleSetSurvivesMovesAndFlips)
{
    StatusTally tally;
    tally.reset(6);
    auto random = seeded();
    tally.set(0, u"X");
    tally.replace(2, 1, {});  // lines move up
    tally.set(4, u"X");       // the former entry 5
    tally.set(0, u"0");       // back to open
    tally.set(1, u"X");
    tally.set(2, u"X");
    std::set<int> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(*tally.pick(5, random));
    EXPECT_EQ(seen, (std::set<int>{0, 3}));
}

}  // namespace
