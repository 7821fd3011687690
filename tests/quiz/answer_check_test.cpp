#include <gtest/gtest.h>

#include <string>

#include "quiz/answer_check.h"

namespace {

using quiz::GapVerdict;

// The verdicts as one letter per gap: T as typed, N nearly, - missing.
std::string verdicts(std::u16string_view line, std::u16string_view answer)
{
    std::string letters;
    for (const quiz::GapCheck& check : quiz::check_answer(line, answer))
        letters += check.verdict == GapVerdict::AsTyped ? 'T' : check.verdict == GapVerdict::Nearly ? 'N' : '-';
    return letters;
}

struct CheckCase {
    const char* name;
    std::u16string line;
    std::u16string answer;
    std::string verdicts;
};

class CheckAnswer : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckAnswer, GivesOneVerdictPerGap)
{
    EXPECT_EQ(verdicts(GetParam().line, GetParam().answer), GetParam().verdicts) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Leniency, CheckAnswer,
    ::testing::Values(CheckCase{"exact", u"Die _Übung_ macht den _Meister_.", u"Übung Meister", "TT"},
                      CheckCase{"case", u"Die _Übung_ macht den _Meister_.", u"übung MEISTER", "NN"},
                      CheckCase{"umlaut as ue", u"Herr _Müller_", u"Mueller", "N"},
                      CheckCase{"umlaut without dots", u"Herr _Müller_", u"Muller", "N"},
                      CheckCase{"umlaut typed for ue", u"Frau _Mueller_", u"Müller", "N"},
                      CheckCase{"sharp s", u"Die _Straße_ ist lang.", u"Strasse", "N"},
                      CheckCase{"sharp s exact", u"Die _Straße_ ist lang.", u"die Straße", "T"},
                      CheckCase{"accent", u"Ein _Café_", u"cafe", "N"},
                      CheckCase{"decomposed accent", u"Ein _Café_", u"Cafe\u0301", "T"},
                      CheckCase{"blanks collapse", u"_a² + b² = c²_", u"a²  +\n b² =\tc²", "T"},
                      CheckCase{"blanks and punctuation ignored", u"_a² + b² = c²_", u"a2+b2=c2", "N"},
                      CheckCase{"apostrophe", u"I _don't_ know", u"dont", "N"},
                      CheckCase{"apostrophe exact", u"I _don't_ know", u"\"don't!\"", "T"},
                      CheckCase{"wrong word", u"Blau, _Gelb_ und _Rot_", u"Grün, Rot", "-T"},
                      CheckCase{"blanks around the gap's text", u"Blau, _ Gelb _", u"Gelb", "T"}));

INSTANTIATE_TEST_SUITE_P(
    Placement, CheckAnswer,
    ::testing::Values(CheckCase{"any order, several lines", u"Blau, _Gelb_ und _Rot_", u"Rot\n\nGelb", "TT"},
                      CheckCase{"any separators", u"_Blue_, _Yellow_ and _Red_", u"red;blue/Yellow", "NTN"},
                      CheckCase{"part of a longer word", u"Blau, _Gelb_ und _Rot_", u"Rotwein, Gelbsucht", "--"},
                      CheckCase{"part of a longer word nearly", u"Blau, _Gelb_ und _Rot_", u"ROTwein gelb", "N-"},
                      CheckCase{"same text twice, typed once", u"_1_ mal _1_ ist _1_", u"1", "T--"},
                      CheckCase{"same text, every time", u"_1_ mal _1_ ist _1_", u"1 1 1", "TTT"},
                      CheckCase{"typed place is not counted twice", u"_Rot_ und _rot_", u"Rot", "T-"},
                      CheckCase{"each place once, typed first", u"_rot_ und _Rot_", u"Rot rot", "TT"},
                      CheckCase{"one typed, one nearly", u"_rot_ und _rot_", u"ROT rot", "TN"},
                      CheckCase{"empty and blank gaps", u"a __ b _ _ c _x_", u"y", "TT-"},
                      CheckCase{"unclosed gap", u"Das Ende: _offen", u"offen", "T"},
                      CheckCase{"characters above U+FFFF", u"_\U0001F600_ und _\U0001D538\U0001D539_",
                                u"\U0001D538\U0001D539 \U0001F600", "TT"},
                      CheckCase{"characters above U+FFFF in a word", u"_\U0001F600_", u"x\U0001F600", "-"},
                      CheckCase{"no gaps", u"keine Lücke", u"irgendwas", ""},
                      CheckCase{"blank answer", u"Blau, _Gelb_", u" \n\t ", ""},
                      CheckCase{"empty answer", u"Blau, _Gelb_", u"", ""}));

TEST(CheckAnswer, GapsKeepTheirPlaceInTheLine)
{
    const auto checks = quiz::check_answer(u"Blau, _Gelb_ und _Rot", u"Gelb");
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0], (quiz::GapCheck{6, 11, GapVerdict::AsTyped}));
    EXPECT_EQ(checks[1], (quiz::GapCheck{17, 21, GapVerdict::Missing}));
    EXPECT_EQ(quiz::count_verdicts(checks), (quiz::CheckCounts{2, 1, 0, 1}));
}

// A long line and an answer of a megabyte: the comparison must stay linear in
// practice (a quadratic one would not finish within the test's time).
TEST(CheckAnswer, LongLinesAndAMegabyteAnswer)
{
    constexpr int kGaps = 20000;
    std::u16string line;
    std::u16string answer;
    const auto word = [](int i) {
        const std::string digits = "wort" + std::to_string(i);
        return std::u16string(digits.begin(), digits.end());
    };
    for (int i = 0; i < kGaps; ++i)
        line += u"Frage _" + word(i) + u"_ ";
    while (answer.size() < 1'000'000)
        answer += u"Füllwort wort wor ";
    for (int i = kGaps - 1; i >= 0; --i) {
        std::u16string typed = word(i);
        if (i % 2)
            typed[0] = u'W';
        answer += typed + u"\n";
    }
    const auto checks = quiz::check_answer(line, answer);
    ASSERT_EQ(checks.size(), static_cast<std::size_t>(kGaps));
    EXPECT_EQ(quiz::count_verdicts(checks), (quiz::CheckCounts{kGaps, kGaps / 2, kGaps / 2, 0}));
    EXPECT_EQ(checks[1].verdict, GapVerdict::Nearly);

    // One gap as long as the answer, and many gaps of one repeated word.
    const std::u16string whole = u"_" + answer + u"_";
    EXPECT_EQ(verdicts(whole, answer), "T");
    std::u16string repeated;
    for (int i = 0; i < 5000; ++i)
        repeated += u"_wort_ ";
    EXPECT_EQ(quiz::count_verdicts(quiz::check_answer(repeated, answer)).as_typed, 5000);
}

}  // namespace
