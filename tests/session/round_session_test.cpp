#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "lang/round_texts.h"
#include "memory/question_key.h"
#include "session/round_session.h"

namespace {

using memory::Rating;
using quiz::Marking;

// The progress file in a fresh folder, opened at once, every write done.
class StoreAccess : public session::MemoryAccess {
public:
    explicit StoreAccess(const std::filesystem::path& path) : store_(path) {}
    memory::ReviewStore* store() override { return &store_; }
    memory::ReviewStore* open_store() const override { return const_cast<memory::ReviewStore*>(&store_); }
    void write(const std::function<void(memory::ReviewStore&)>& action) override { action(store_); }
    void kept_round_dropped() override { ++dropped; }

    int dropped = 0;

private:
    memory::ReviewStore store_;
};

// What the round shows, and its end passed back to the session as the window does.
class View : public quiz::RoundView {
public:
    session::RoundSession* session = nullptr;
    std::u16string question;
    bool running = false;

    const quiz::RoundTexts& texts() const override { return lernwerk::roundTexts(quiz::Language::English); }
    std::u16string timestamp() const override { return u"8 Dec 2026 10:00:00"; }
    std::u16string list_name() const override { return u"/lists/Tiere.txt"; }
    void round_started() override { running = true; }
    void set_phase(std::u16string_view) override {}
    void set_result(std::u16string_view) override {}
    void append_log(std::u16string_view) override {}
    void clear_fields() override { question.clear(); }
    void show_question(std::u16string_view text) override { question = text; }
    void show_solution(std::u16string_view) override {}
    void round_ended() override
    {
        running = false;
        session->ended();
    }
};

// One run of the program over the list: its own session, as a restart makes it.
struct ProgramRun {
    ProgramRun(StoreAccess& memory, std::vector<std::u16string> lines)
    {
        list.lines = std::move(lines);
        session = std::make_unique<session::RoundSession>(list, status, view, memory);
        view.session = session.get();
    }
    const quiz::RoundState& state() const { return session->active().state(); }
    // Marks the question on display: `first` the first time it is asked, else Correct.
    void answer(Marking first, std::map<std::u16string, int>& seen)
    {
        const auto& asked = state();
        const auto question =
            asked.asked_gap ? quiz::gap_question(asked.asked_line, *asked.asked_gap) : asked.asked_line;
        session->mark(seen[question]++ == 0 ? first : Marking::Correct);
    }

    quiz::InMemoryQuestions list;
    quiz::InMemoryStatus status;
    View view;
    std::unique_ptr<session::RoundSession> session;
};

class RoundSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "session_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        memory_ = std::make_unique<StoreAccess>(folder_ / "progress.sqlite");
    }
    void TearDown() override
    {
        memory_.reset();
        std::filesystem::remove_all(folder_);
    }
    memory::ReviewStore& store() { return *memory_->store(); }

    std::filesystem::path folder_;
    std::unique_ptr<StoreAccess> memory_;
};

const std::vector<std::u16string> kList{u"Hund - _dog_", u"", u"Katze - _cat_", u"Hund - _dog_"};

// Each kind of round remembers the first answer of each question, the lines it
// missed by their place in the list, and itself once at its end.
TEST_F(RoundSessionTest, EachKindOfRoundRemembersWhatWasMarked)
{
    const struct {
        const char* name;
        quiz::GapMode mode;
        std::vector<std::u16string> list;
        std::vector<std::u16string> questions;  // as the memory knows them
        std::size_t missed;                     // a line twice is missed once
    } cases[] = {
        {"whole lines", quiz::GapMode::AllAtOnce, kList, {u"Hund - _dog_", u"Katze - _cat_"}, 2},
        {"each gap",
         quiz::GapMode::OneAfterAnother,
         {u"_a_ und _b_", u"c _d_"},
         {quiz::gap_question(u"_a_ und _b_", 0), quiz::gap_question(u"_a_ und _b_", 1),
          quiz::gap_question(u"c _d_", 0)},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProgramRun run(*memory_, c.list);
        run.session->set_gap_mode(c.mode);
        const auto rounds = store().rounds().size();
        run.session->start_whole_list();
        std::map<std::u16string, int> seen;
        while (run.view.running)
            run.answer(Marking::Wrong, seen);
        for (const auto& question : c.questions) {
            const auto last = store().last_review(question);
            ASSERT_TRUE(last) << memory::to_utf8(question);
            EXPECT_EQ(last->rating, Rating::Again);
        }
        EXPECT_EQ(store().rounds().size(), rounds + 1);
        EXPECT_EQ(run.session->missed().size(), c.missed);
    }

    // The missed lines in their own round: "Correct" after a hint is remembered as hard.
    ProgramRun run(*memory_, kList);
    run.session->start_chosen(run.session->missed_questions());
    EXPECT_EQ(run.state().tallies.questions, 2);
    ASSERT_TRUE(run.session->hint());
    const std::u16string hinted = run.state().asked_line;
    run.session->mark(Marking::Correct);
    EXPECT_EQ(store().last_review(hinted)->rating, Rating::Hard);
}

// A round left in any way goes on in the next run as it was left: over the
// list as it was kept, with the hint shown, never under a place the store refuses.
TEST_F(RoundSessionTest, ARoundGoesOnAsItWasLeft)
{
    {
        ProgramRun first(*memory_, kList);
        std::map<std::u16string, int> seen;
        first.session->start_whole_list();
        while (first.view.running)
            first.answer(Marking::Wrong, seen);
    }
    // The list changed on disk: both missed lines are gone from it.
    const std::vector<std::u16string> changed{u"Maus - _mouse_", u"Pferd - _horse_"};
    {
        ProgramRun repeat(*memory_, changed);
        repeat.session->start_chosen(repeat.session->missed_questions());
        repeat.session->mark(Marking::Correct);
    }  // killed
    {
        ProgramRun next(*memory_, changed);
        ASSERT_TRUE(next.session->continue_round());
        EXPECT_EQ(next.state().tallies.correct, 1);
        next.session->mark(Marking::Wrong);
        // A place after the list's lines: the store reads the round back.
        EXPECT_GE(next.session->missed().begin()->first, 2);
        EXPECT_TRUE(store().open_round());
        next.session->start_whole_list();
        EXPECT_FALSE(store().moved_aside());
    }
    {
        ProgramRun edited(*memory_, changed);
        edited.session->start_whole_list();
        edited.session->hint();
        const std::u16string shown = edited.view.question;
        edited.list.lines[0] += u"x";  // typed, never saved
        edited.session->keep(false);
        ProgramRun next(*memory_, changed);
        ASSERT_TRUE(next.session->continue_round());
        EXPECT_EQ(next.view.question, shown);
        EXPECT_EQ(next.state().question_hints, 1);
    }
    EXPECT_EQ(memory_->dropped, 0);
}

}  // namespace
