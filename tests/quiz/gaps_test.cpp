#include <gtest/gtest.h>

#include "quiz/gaps.h"

namespace {

struct GapCase {
    std::u16string line;
    std::u16string shown;
};

class BlankGaps : public ::testing::TestWithParam<GapCase> {};

TEST_P(BlankGaps, ShowsTheQuestionText) { EXPECT_EQ(quiz::blank_gaps(GetParam().line), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(SampleLines, BlankGaps,
                         ::testing::Values(GapCase{u"Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.",
                                                   u"Blau, _____ und _____ sind die drei Grundfarben."},
                                           GapCase{u"Der Satz des Pythagoras lautet: _a² + b² = c²_",
                                                   u"Der Satz des Pythagoras lautet: _____"},
                                           GapCase{u"_Blue_, _Yellow_ and _Red_ are the three Primary Colors.",
                                                   u"_____, _____ and _____ are the three Primary Colors."},
                                           GapCase{u"Der Satz des Pythagoras lautet: _a² + b² = c²",
                                                   u"Der Satz des Pythagoras lautet: __"}));

INSTANTIATE_TEST_SUITE_P(OddUnderscores, BlankGaps,
                         ::testing::Values(GapCase{u"", u""}, GapCase{u"_", u"__"}, GapCase{u"__", u"_____"},
                                           GapCase{u"___", u"_______"}, GapCase{u"_a__b_", u"__________"},
                                           GapCase{u"no gaps here", u"no gaps here"}, GapCase{u"   ", u"   "},
                                           GapCase{u"a_b_c_d", u"a_____c__"}));

// A surrogate pair never contains an underscore, so characters outside the
// basic plane are shown or hidden whole.
INSTANTIATE_TEST_SUITE_P(AstralCharacters, BlankGaps,
                         ::testing::Values(GapCase{u"\U0001F600 _\U0001F600_ \U0001F600",
                                                   u"\U0001F600 _____ \U0001F600"},
                                           GapCase{u"x _\U0001F600", u"x __"}));

}  // namespace
