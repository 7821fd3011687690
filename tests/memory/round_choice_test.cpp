#include <gtest/gtest.h>

#include "memory/list_questions.h"
#include "memory/question_key.h"
#include "memory/round_choice.h"

namespace {

using memory::Day;
using memory::QuestionMemory;
using memory::Rating;

constexpr Day kToday = 20000;

QuestionMemory reviewed(Day first_day, Day due_day, double stability = 5)
{
    QuestionMemory memory;
    memory.first_day = first_day;
    memory.last_day = first_day;
    memory.due_day = due_day;
    memory.state = {stability, 5};
    memory.reviews = 1;
    return memory;
}

TEST(ChooseDue, DueFirstThenNewUpToTheDaysAllowance)
{
    const std::optional<QuestionMemory> fresh;
    struct Case {
        const char* name;
        std::vector<std::optional<QuestionMemory>> memories;
        int new_per_day;
        std::vector<int> due;
        std::vector<int> fresh;
    };
    const Case cases[] = {
        {"an empty list", {}, 20, {}, {}},
        {"due today, overdue and due tomorrow",
         {reviewed(kToday - 9, kToday), reviewed(kToday - 9, kToday - 3), reviewed(kToday - 9, kToday + 1)},
         20,
         {0, 1},
         {}},
        {"new ones in list order, at most the allowance",
         {fresh, reviewed(kToday - 1, kToday + 2), fresh, fresh, fresh},
         2,
         {},
         {0, 2}},
        {"those first reviewed today use up the allowance",
         {reviewed(kToday, kToday + 1), reviewed(kToday, kToday + 3), fresh, fresh},
         3,
         {},
         {2}},
        {"nothing new once the allowance is spent", {reviewed(kToday, kToday + 1), fresh}, 1, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto choice = memory::choose_due(c.memories, kToday, c.new_per_day);
        EXPECT_EQ(choice.due, c.due);
        EXPECT_EQ(choice.fresh, c.fresh);
        EXPECT_EQ(choice.size(), static_cast<int>(c.due.size() + c.fresh.size()));
    }
    // Together they are asked in list order.
    const auto mixed = memory::choose_due({fresh, reviewed(kToday - 5, kToday), fresh}, kToday);
    EXPECT_EQ(mixed.indices(), (std::vector<int>{0, 1, 2}));
}

TEST(CountStates, NewLearningAndKnownSplitAtTwentyOneDays)
{
    const auto counts = memory::count_states(
        {std::nullopt, reviewed(0, 1, 20.99), reviewed(0, 1, 21), reviewed(0, 1, 300), std::nullopt});
    EXPECT_EQ(counts.fresh, 2);
    EXPECT_EQ(counts.learning, 1);
    EXPECT_EQ(counts.known, 2);
}

TEST(RoundMarks, OnlyTheFirstAnswerIsAReviewAndAHintMakesItHard)
{
    memory::RoundMarks marks;
    marks.start();
    using quiz::Marking;
    struct Step {
        int index;
        Marking marking;
        bool hinted;
        std::optional<Rating> review;
    };
    const Step steps[] = {
        {0, Marking::Correct, false, Rating::Good}, {1, Marking::Wrong, false, Rating::Again},
        {1, Marking::Correct, false, std::nullopt}, {2, Marking::Postponed, false, std::nullopt},
        {2, Marking::Wrong, true, Rating::Again},   {3, Marking::Postponed, false, std::nullopt},
        {3, Marking::Correct, false, Rating::Good}, {0, Marking::Wrong, false, std::nullopt},
        {4, Marking::Correct, true, Rating::Hard},  {5, Marking::None, false, std::nullopt},
        {5, Marking::Correct, true, Rating::Hard},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.index);
        EXPECT_EQ(marks.review(step.index, step.marking, step.hinted), step.review);
    }

    marks.start();
    EXPECT_TRUE(marks.reviewed().empty());
    EXPECT_EQ(marks.review(1, Marking::Correct, false), Rating::Good);

    marks.restore({4});
    EXPECT_EQ(marks.review(4, Marking::Correct, false), std::nullopt);
}

TEST(Questions, ALineIsOneQuestionHoweverItIsWrittenOrRepeated)
{
    // One question: the same text, in the other Unicode form, with blanks at its end.
    const std::vector<std::u16string> lines = {
        u"Caf\u00e9 _au lait_", u"Tee", u"Cafe\u0301 _au lait_", u"Caf\u00e9 _au lait_ \t", u"Tee", u"tee", u" Tee",
    };
    EXPECT_EQ(memory::distinct_questions(lines), (std::vector<std::size_t>{0, 1, 5, 6}));
    EXPECT_EQ(memory::question_text(lines[2]), u"Caf\u00e9 _au lait_");
    EXPECT_EQ(memory::question_key(lines[3]), memory::question_key(lines[0]));

    // A list is known by its questions, however its file ended.
    const std::vector<std::u16string> with_break = {u"a", u"b", u""};
    const std::vector<std::u16string> without = {u"a", u"b"};
    const std::vector<std::u16string> other = {u"b", u"a"};
    EXPECT_EQ(memory::list_key(with_break.data(), 3), memory::list_key(without.data(), 2));
    EXPECT_NE(memory::list_key(other.data(), 2), memory::list_key(without.data(), 2));
}

TEST(ListQuestions, EachOnceAsTheGapModeAsks)
{
    const std::vector<std::pair<int, std::u16string>> lines = {
        {0, u"Blau, _Gelb_ und _Rot_."}, {1, u""}, {2, u"Ohne Lücke"}, {3, u"Blau, _Gelb_ und _Rot_. "}};
    struct Case {
        quiz::GapMode mode;
        std::vector<std::u16string> texts;
    };
    const Case cases[] = {
        {quiz::GapMode::AllAtOnce, {u"Blau, _Gelb_ und _Rot_.", u"Ohne Lücke"}},
        {quiz::GapMode::OneAfterAnother,
         {quiz::gap_question(u"Blau, _Gelb_ und _Rot_.", 0), quiz::gap_question(u"Blau, _Gelb_ und _Rot_.", 1),
          u"Ohne Lücke"}},
    };
    for (const auto& c : cases) {
        std::vector<std::u16string> texts;
        for (const auto& question : memory::list_questions(lines, c.mode))
            texts.push_back(question.text);
        EXPECT_EQ(texts, c.texts);
    }
    EXPECT_EQ(memory::questions_to_forget({u"a _b_ _c_"}).size(), 3u);
}

}  // namespace
