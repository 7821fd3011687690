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

// Each hint shows the next letter of the first gap not yet wholly shown; blanks
// and punctuation come with the letter before them, a gap shown to its end is text.
TEST(Hints, RevealALetterAtATime)
{
    struct Case {
        std::u16string line;
        std::vector<std::u16string> steps;  // the question after each hint
    };
    const Case cases[] = {
        {u"Blau, _Gelb_ und _Rot_.",
         {u"Blau, G____ und _____.", u"Blau, Ge___ und _____.", u"Blau, Gel__ und _____.", u"Blau, Gelb und _____.",
          u"Blau, Gelb und R____.", u"Blau, Gelb und Ro___.", u"Blau, Gelb und Rot."}},
        {u"_New York, NY_ liegt am Hudson",
         {u"N____ liegt am Hudson", u"Ne___ liegt am Hudson", u"New __ liegt am Hudson", u"New Y__ liegt am Hudson",
          u"New Yo__ liegt am Hudson", u"New Yor__ liegt am Hudson", u"New York, __ liegt am Hudson",
          u"New York, N__ liegt am Hudson", u"New York, NY liegt am Hudson"}},
        {u"Pythagoras: _(a² + b²)_", {u"Pythagoras: (a² + __", u"Pythagoras: (a² + b²)"}},
        {u"_\U0001D400x_ und _", {u"\U0001D400___ und __", u"\U0001D400x und __"}},
        {u"Nichts zu raten", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line.begin(), c.line.end()));
        std::vector<quiz::GapShown> shown;
        for (const auto& step : c.steps) {
            ASSERT_TRUE(quiz::give_hint(c.line, shown));
            EXPECT_EQ(quiz::show_question(quiz::question_pieces(c.line, shown)), step);
        }
        // An open gap at the end has nothing to show; every other gap shows now.
        const auto last = quiz::give_hint(c.line, shown);
        EXPECT_TRUE(!last || quiz::find_gaps(c.line)[*last].text.empty());
    }
}

}  // namespace
