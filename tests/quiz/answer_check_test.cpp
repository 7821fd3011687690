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

// One text stored two ways, and case and diacritics of every script.
INSTANTIATE_TEST_SUITE_P(
    Scripts, CheckAnswer,
    ::testing::Values(CheckCase{"umlaut decomposed in the answer", u"Herr _Müller_", u"Mu\u0308ller", "T"},
                      CheckCase{"umlaut decomposed in the line", u"Herr _Mu\u0308ller_", u"Müller", "T"},
                      CheckCase{"Vietnamese", u"Tên _Người_", u"Nguoi", "N"},
                      CheckCase{"Cyrillic io", u"_Ёлка_", u"елка", "N"},
                      CheckCase{"Greek tonos and final sigma", u"_Άρης_ και _ΤΟΝΟΣ_", u"αρησ τόνος", "NN"},
                      CheckCase{"dotted capital I", u"_İstanbul_", u"istanbul", "N"},
                      CheckCase{"sharp s in capitals", u"_STRASSE_", u"Straße", "N"},
                      CheckCase{"Hebrew points", u"_שָׁלוֹם_", u"שלום", "N"},
                      CheckCase{"Arabic comma ends a word", u"_كتاب_ و _قلم_", u"كتاب،قلم", "TT"},
                      CheckCase{"Devanagari danda ends a word", u"_नमस्ते_", u"नमस्ते।", "T"},
                      CheckCase{"letters with a stroke", u"_Łódź_ und _Øre_", u"lodz ore", "NN"},
                      CheckCase{"full-width letters", u"_ＡＢＣ_", u"abc", "N"},
                      CheckCase{"another word", u"_Ёлка_", u"Елки", "-"}));

// "ae", "oe", "ue" and "ss" count for an umlaut or sharp s of the line, never
// for a vowel the line writes without dots.
INSTANTIATE_TEST_SUITE_P(Umlauts, CheckAnswer,
                         ::testing::Values(CheckCase{"ue for ü", u"Herr _Müller_", u"Mueller", "N"},
                                           CheckCase{"ss for ß", u"Die _Straße_", u"Strasse", "N"},
                                           CheckCase{"both in one gap", u"_Grüße aus Köln_", u"gruesse aus koeln", "N"},
                                           CheckCase{"capital umlaut", u"_Ärger_", u"AERGER", "N"},
                                           CheckCase{"neu is not neue", u"Die _neue_ Stadt", u"neu", "-"},
                                           CheckCase{"blau is not blaue", u"_blaue_ Blume", u"blau", "-"},
                                           CheckCase{"treu is not Treue", u"Die _Treue_", u"treu", "-"},
                                           CheckCase{"Pot is not Poet", u"Der _Poet_", u"Pot", "-"},
                                           CheckCase{"Poet is not Pot", u"Der _Pot_", u"Poet", "-"},
                                           CheckCase{"Michal is not Michael", u"_Michael_", u"Michal", "-"},
                                           CheckCase{"Mueller stays Mueller", u"Frau _Mueller_", u"MUELLER", "N"}));

// Characters that are never seen decide nothing.
INSTANTIATE_TEST_SUITE_P(
    Invisible, CheckAnswer,
    ::testing::Values(CheckCase{"direction marks around a word", u"_שלום_", u"\u200Fשלום\u200F", "T"},
                      CheckCase{"zero-width joiner in a word", u"Herr _Müller_", u"Mül\u200Dler", "T"},
                      CheckCase{"zero-width space in a word", u"Herr _Müller_", u"Mül\u200Bler", "T"},
                      CheckCase{"soft hyphen in the line", u"_Mül\u00ADler_", u"Müller", "T"},
                      CheckCase{"nothing else typed", u"_Gelb_", u"\u200D\u200E", ""},
                      CheckCase{"gap of nothing else", u"_\u200B_ _Rot_", u"Gelb", "T-"}));

// Nearly ignores the separators of the line, or leaves them out, but the
// answer's words stay whole.
INSTANTIATE_TEST_SUITE_P(Separators, CheckAnswer,
                         ::testing::Values(CheckCase{"other separators", u"_Rot-Wein_", u"rot wein", "N"},
                                           CheckCase{"separators left out", u"_Rot-Wein_", u"rotwein", "N"},
                                           CheckCase{"a word split", u"_Rotwein_", u"Rot wein", "-"},
                                           CheckCase{"start inside a word", u"_Wein_", u"Rotwein", "-"},
                                           CheckCase{"gaps within gaps", u"_a_ _a a_ _a a a_", u"a a a a", "TTT"},
                                           CheckCase{"more gaps than places", u"_a_ _a_ _a_ _a_ _a_", u"a a a a",
                                                     "TTTT-"},
                                           CheckCase{"places share a separator", u"_A_ _A_ _A_", u"a,a;a", "NNN"},
                                           CheckCase{"overlapping places count once", u"_a a_ _a a_", u"a a a", "T-"}));

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
