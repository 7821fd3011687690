#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lang/round_texts.h"
#include "quiz/gap_items.h"
#include "quiz/in_memory_lists.h"
#include "quiz/round.h"

namespace {

using quiz::GapMode;
using quiz::Marking;

// Keeps what the round shows.
class QuestionsSeen : public quiz::RoundView {
public:
    std::vector<std::u16string> questions;
    std::vector<std::u16string> hints;
    std::vector<std::u16string> log;

    const quiz::RoundTexts& texts() const override { return lernwerk::roundTexts(quiz::Language::English); }
    std::u16string timestamp() const override { return u"08.12.2026 09:00:00"; }
    std::u16string list_name() const override { return u"Liste"; }
    void round_started() override {}
    void set_phase(std::u16string_view) override {}
    void set_result(std::u16string_view) override {}
    void append_log(std::u16string_view line) override { log.emplace_back(line); }
    void clear_fields() override {}
    void show_question(std::u16string_view text) override { questions.emplace_back(text); }
    void show_hint(std::u16string_view text, std::u16string_view revealed) override
    {
        questions.emplace_back(text);
        hints.emplace_back(revealed);
    }
    void show_solution(std::u16string_view) override {}
    void round_ended() override {}
};

TEST(GapModes, EachGapIsAQuestionOfItsOwn)
{
    struct Case {
        GapMode mode;
        std::vector<std::u16string> asked;  // in order of asking (sorted where the order is random)
        bool sorted;
    };
    const Case cases[] = {
        {GapMode::OneOthersShown,
         {u"Blau, Gelb und Rot sind _____.", u"Blau, Gelb und _____ sind drei.", u"Blau, _____ und Rot sind drei.",
          u"Keine Lücke"},
         true},
        {GapMode::OneAfterAnother,
         {u"Blau, _____ und _____ sind _____.", u"Blau, Gelb und _____ sind _____.", u"Blau, Gelb und Rot sind _____."},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        quiz::InMemoryQuestions lines;
        lines.lines = {u"Blau, _Gelb_ und _Rot_ sind _drei_.", u"Keine Lücke"};
        quiz::InMemoryStatus status;
        quiz::GapItems items(lines, status, c.mode);
        QuestionsSeen view;
        quiz::Round round(items, items, view);
        round.restart();
        EXPECT_EQ(round.state().tallies.questions, 4);
        std::vector<std::u16string> asked;
        int gapsDone = 0;
        while (view.log.size() < 7) {
            asked.push_back(view.questions.back());
            gapsDone += asked.back() == u"Keine Lücke" ? 0 : 1;
            round.step(Marking::Correct);
            // The line is done once all its gaps are.
            EXPECT_EQ(status.column.kind(0) == quiz::EntryKind::Correct, gapsDone == 3);
        }
        EXPECT_EQ(status.column.kind(0), quiz::EntryKind::Correct);
        EXPECT_EQ(round.state().tallies.correct, 4);
        if (c.sorted) {
            std::sort(asked.begin(), asked.end());
            EXPECT_EQ(asked, c.asked);
        } else {
            // The line without gaps may come at any place; the gaps come in order.
            std::erase(asked, u"Keine Lücke");
            EXPECT_EQ(asked, c.asked);
        }
    }
}

TEST(GapModes, AGapQuestionIsKnownByItsLineAndNumber)
{
    const auto question = quiz::gap_question(u"Blau, _Gelb_", 1);
    EXPECT_EQ(quiz::split_gap_question(question), (std::pair<std::u16string, std::optional<int>>{u"Blau, _Gelb_", 1}));
    EXPECT_EQ(quiz::split_gap_question(u"Blau, _Gelb_").second, std::nullopt);
    EXPECT_NE(question, quiz::gap_question(u"Blau, _Gelb_", 0));
}

// A hint shows one more letter and is said; "Correct" after a hint counts as
// "Wrong" when the learner chose so; the log says how many hints the round used.
TEST(Hints, ShowCountAndAreLogged)
{
    for (const bool counts_wrong : {false, true}) {
        SCOPED_TRACE(counts_wrong);
        quiz::InMemoryQuestions lines;
        lines.lines = {u"Blau, _Gelb_ und _Rot_."};
        quiz::InMemoryStatus status;
        QuestionsSeen view;
        quiz::Round round(lines, status, view);
        round.set_hint_counts_wrong(counts_wrong);
        round.restart();
        EXPECT_TRUE(round.hint());
        EXPECT_TRUE(round.hint());
        EXPECT_EQ(view.questions.back(), u"Blau, Ge___ und _____.");
        EXPECT_EQ(view.hints, (std::vector<std::u16string>{u"G", u"Ge"}));
        EXPECT_EQ(round.counted(Marking::Correct), counts_wrong ? Marking::Wrong : Marking::Correct);
        round.step(Marking::Correct);
        if (counts_wrong) {
            EXPECT_EQ(round.state().tallies.wrong, 1);
            EXPECT_EQ(view.questions.back(), u"Blau, _____ und _____.");  // asked again, its hints gone
            round.step(Marking::Correct);
        }
        EXPECT_EQ(round.state().tallies.correct, 1);
        EXPECT_FALSE(round.hint());  // no question on display
        EXPECT_EQ(view.log[view.log.size() - 2], u"Hints: 2");
    }
}

}  // namespace
