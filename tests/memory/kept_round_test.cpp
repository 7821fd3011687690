#include <gtest/gtest.h>

#include <functional>

#include "memory/kept_round.h"

namespace {

// A kept round goes on only when every count fits the list it goes on over.
TEST(KeptRound, GoesOnOnlyWhenEveryCountFitsTheList)
{
    const auto round = [](const std::function<void(memory::OpenRound&)>& change) {
        memory::OpenRound kept;
        kept.tallies = {4, 1, 3, 1, 1};
        kept.status_count = 4;
        kept.status = {{1, u"X"}};
        kept.current = 3;
        kept.last = 2;
        change(kept);
        return kept;
    };
    const struct {
        const char* name;
        memory::OpenRound kept;
        std::int32_t questions;
        std::int32_t entries;
        bool fits;
    } cases[] = {
        {"as it was kept", round([](auto&) {}), 4, 4, true},
        {"beside a list with an empty line", round([](auto& k) { k.status_count = 5; }), 4, 5, true},
        {"more entries than the list has lines", round([](auto& k) { k.status_count = 30000000; }), 4, 5, false},
        {"an entry past the column", round([](auto& k) {
             k.status = {{4, u"X"}};
         }),
         4, 4, false},
        {"chosen lines of another count", round([](auto& k) {
             k.chosen = {u"a", u"b"};
         }),
         4, 4, false},
        {"chosen lines of the count", round([](auto& k) {
             k.chosen = {u"a", u"b", u"c", u"d"};
         }),
         4, 4, true},
        {"a tally about to overflow", round([](auto& k) { k.tallies.trials = 2147483647; }), 4, 4, false},
        {"hints about to overflow", round([](auto& k) { k.round_hints = 2147483647; }), 4, 4, false},
        {"a question past the list", round([](auto& k) { k.last = 9; }), 4, 4, false},
        {"a negative count", round([](auto& k) { k.tallies.wrong = -1; }), 4, 4, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(memory::fits(c.kept, c.questions, c.entries), c.fits) << c.name;
}

}  // namespace
