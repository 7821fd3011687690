#include <gtest/gtest.h>

#include <vector>

#include "lang/round_texts.h"
#include "quiz/in_memory_lists.h"
#include "quiz/round.h"

namespace {

using quiz::Marking;

class RecordingView : public quiz::RoundView {
public:
    quiz::Language lang = quiz::Language::German;
    std::vector<std::u16string> log;
    std::u16string phase, result, question, solution, list = u"Liste";
    bool enabled = false;
    bool started = false;

    const quiz::RoundTexts& texts() const override { return lernwerk::roundTexts(lang); }
    std::u16string timestamp() const override { return u"07.12.2026 08:00:00"; }
    std::u16string list_name() const override { return list; }
    void round_started() override
    {
        enabled = true;
        started = true;
    }
    void set_phase(std::u16string_view text) override { phase = text; }
    void set_result(std::u16string_view text) override { result = text; }
    void append_log(std::u16string_view line) override { log.emplace_back(line); }
    void clear_fields() override
    {
        question.clear();
        solution.clear();
    }
    void show_question(std::u16string_view text) override { question = text; }
    void show_solution(std::u16string_view text) override { solution = text; }
    void round_ended() override
    {
        enabled = false;
        clear_fields();
    }
};

class RoundTest : public ::testing::Test {
protected:
    quiz::InMemoryQuestions questions;
    quiz::InMemoryStatus status;
    RecordingView view;
    quiz::Round round{questions, status, view};
};

TEST_F(RoundTest, OneQuestionMarkedWrongThenCorrect)
{
    questions.lines = {u"Blau, _Gelb_ und _Rot_ sind die drei Grundfarben."};
    round.restart();
    EXPECT_TRUE(view.enabled);
    EXPECT_TRUE(view.started);
    EXPECT_EQ(view.phase, u"Fragerunde...");
    EXPECT_EQ(view.question, u"Blau, _____ und _____ sind die drei Grundfarben.");
    EXPECT_EQ(view.result, u"0/1 Richtig - 0 Trials - 0 Falsch - 0 Zurückgestellt");

    round.reveal();
    EXPECT_EQ(view.solution, questions.lines[0]);
    round.reveal();
    EXPECT_EQ(view.solution, questions.lines[0]);

    round.step(Marking::Wrong);
    EXPECT_EQ(view.question, u"Blau, _____ und _____ sind die drei Grundfarben.");
    EXPECT_TRUE(view.solution.empty());
    EXPECT_EQ(view.result, u"0/1 Richtig - 1 Trials - 1 Falsch - 0 Zurückgestellt");

    round.step(Marking::Correct);
    const std::u16string final_line = u"1/1 Richtig - 2 Trials - 1 Falsch - 0 Zurückgestellt";
    EXPECT_EQ(view.result, final_line);
    EXPECT_EQ(round.state().result_line, final_line);
    EXPECT_EQ(view.phase, u"Fertig!");
    EXPECT_FALSE(view.enabled);
    EXPECT_TRUE(view.question.empty());

    const std::vector<std::u16string> expected_log = {
        u"Neustart...",
        u"Start: 07.12.2026 08:00:00",
        u"Ausgewählte Liste: Liste",
        u"Ende: 07.12.2026 08:00:00",
        u"Fragerunde mit folgendem Ergebnis beendet:",
        final_line,
        u" ",
    };
    EXPECT_EQ(view.log, expected_log);
}

TEST_F(RoundTest, EmptyListEndsAtOnce)
{
    questions.lines = {u"", u""};
    view.lang = quiz::Language::English;
    round.restart();
    EXPECT_EQ(questions.count(), 0);
    EXPECT_EQ(status.column.size(), 0);
    EXPECT_EQ(view.phase, u"Ready!");
    EXPECT_FALSE(view.enabled);
    const std::vector<std::u16string> expected_log = {
        u"Restart...",
        u"Start: 07.12.2026 08:00:00",
        u"Choosen List: Liste",
        u"Finished: 07.12.2026 08:00:00",
        u"Question Session ended with this result:",
        u"0/0 Correct - 0 Trials - 0 Wrong - 0 Clocked",
        u" ",
    };
    EXPECT_EQ(view.log, expected_log);
}

TEST_F(RoundTest, TalliesAddUpAndEveryQuestionIsAnsweredOnce)
{
    questions.lines = {u"a _1_", u"", u"b _2_", u"   ", u"c _3_"};
    round.restart();
    EXPECT_EQ(round.state().tallies.questions, 4);  // the line of blanks stays a question
    EXPECT_EQ(status.column.open_count(), 4);

    int steps = 0;
    while (view.enabled && steps < 1000) {
        const Marking marking = steps % 3 == 0   ? Marking::Wrong
                                : steps % 3 == 1 ? Marking::Postponed
                                                 : Marking::Correct;
        round.step(marking);
        ++steps;
        const auto& s = round.state();
        if (view.enabled) {
            EXPECT_EQ(s.tallies.trials, s.tallies.correct + s.tallies.wrong + s.tallies.clocked);
        }
    }
    EXPECT_FALSE(view.enabled);
    EXPECT_EQ(round.state().tallies.correct, 4);
    EXPECT_EQ(status.column.correct_count(), 4);
    EXPECT_EQ(view.log[view.log.size() - 2], round.state().result_line);
}

TEST_F(RoundTest, HandEditedStatusColumn)
{
    questions.lines = {u"q0", u"q1"};
    round.restart();
    // "x" counts as done for the end of the round but can still be asked.
    status.column.set(0, u"X");
    status.column.set(1, u"x");
    round.step(Marking::Wrong);
    EXPECT_FALSE(view.enabled) << "no entry is \"0\" any more: the round is over";

    round.restart();
    status.column.set(0, u"X");
    status.column.set(1, u"0");
    round.step(Marking::Postponed);
    EXPECT_TRUE(view.enabled);
    EXPECT_EQ(view.question, u"q1");

    // An open entry only beyond the round's questions: the pick gives up and
    // the round ends instead of hanging.
    round.restart();
    status.column.set(0, u"X");
    status.column.set(1, u"X");
    status.column.replace(2, 0, {u"0"});
    round.step(Marking::None);
    EXPECT_FALSE(view.enabled);
}

TEST_F(RoundTest, ListShortenedAfterRestart)
{
    questions.lines = {u"q0", u"q1", u"q2"};
    round.restart();
    questions.lines = {u"only _one_"};
    // Steps keep asking by index; lines past the end are empty.
    for (int i = 0; i < 20 && view.enabled; ++i) {
        round.step(Marking::Wrong);
        const int index = round.state().cur_index;
        EXPECT_EQ(view.question, index == 0 ? u"only _____" : u"");
        round.reveal();
        EXPECT_EQ(view.solution, index == 0 ? u"only _one_" : u"");
    }
    EXPECT_EQ(round.state().tallies.questions, 3);
}

TEST_F(RoundTest, LanguageIsReadWhenWriting)
{
    questions.lines = {u"q"};
    round.restart();
    view.lang = quiz::Language::English;
    round.step(Marking::Postponed);
    EXPECT_EQ(view.result, u"0/1 Correct - 1 Trials - 0 Wrong - 1 Clocked");
    EXPECT_EQ(view.log[0], u"Neustart...");
}

TEST_F(RoundTest, ClearTalliesKeepsTheRoundGoing)
{
    questions.lines = {u"q0", u"q1"};
    round.restart();
    round.step(Marking::Wrong);
    round.clear_tallies();
    EXPECT_EQ(round.state().tallies.trials, 0);
    EXPECT_EQ(round.state().tallies.wrong, 0);
    EXPECT_TRUE(round.state().result_line.empty());
    EXPECT_EQ(round.state().tallies.questions, 2);
    EXPECT_EQ(status.column.open_count(), 2);
}

TEST_F(RoundTest, RestartMidRoundWritesANewStartBlock)
{
    questions.lines = {u"q0", u"q1"};
    round.restart();
    round.step(Marking::Correct);
    round.restart();
    ASSERT_EQ(view.log.size(), 6u);
    EXPECT_EQ(view.log[3], u"Neustart...");
    EXPECT_EQ(status.column.open_count(), 2);
}

TEST(ResultLine, NegativeTrialsArePlainDecimal)
{
    quiz::RoundState state;
    state.tallies.trials = -1;
    EXPECT_EQ(quiz::format_result_line(state, lernwerk::roundTexts(quiz::Language::English)),
              u"0/0 Correct - -1 Trials - 0 Wrong - 0 Clocked");
}

TEST_F(RoundTest, ResumedRoundGoesOnWithItsTalliesAndOpenQuestions)
{
    questions.lines = {u"eins", u"zwei", u"drei"};
    round.restart();
    round.step(Marking::Wrong);
    round.step(Marking::Postponed);
    const quiz::RoundState kept = round.state();  // 2 trials, a question on display
    const std::u16string on_display = view.question;

    // The next run: the status column holds what it held, another question answered right.
    quiz::InMemoryStatus restored;
    restored.column.reset(3);
    restored.column.set((kept.last_index + 1) % 3, u"X");
    RecordingView next_view;
    quiz::Round next{questions, restored, next_view};
    next.resume(kept);
    EXPECT_TRUE(next_view.enabled);
    EXPECT_EQ(next.state().tallies.trials, kept.tallies.trials);
    EXPECT_EQ(next.state().tallies.wrong, 1);
    EXPECT_EQ(next.state().tallies.clocked, 1);
    EXPECT_EQ(next.state().tallies.correct, 1);
    EXPECT_EQ(next_view.question, on_display);  // the question left unanswered, asked again
    EXPECT_EQ(next.state().asked_line, questions.lines[static_cast<std::size_t>(kept.last_index)]);
    next.step(Marking::Correct);
    next.step(Marking::Correct);
    EXPECT_EQ(next_view.phase, u"Fertig!");
    EXPECT_EQ(next.state().result_line, u"3/3 Richtig - 4 Trials - 1 Falsch - 1 Zurückgestellt");
}

}  // namespace
