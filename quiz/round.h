#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/gaps.h"
#include "quiz/lists.h"
#include "quiz/round_texts.h"

namespace quiz {

// How the user marked the question on display. A restart runs its first step
// with None, so that nothing is marked.
enum class Marking { None, Correct, Wrong, Postponed };

// What a round shows and where it writes. The program's presenter of the
// round implements it; the texts come from there too, so that the engine
// keeps none of its own.
class RoundView {
public:
    virtual ~RoundView() = default;
    // The texts of the language of the moment: read each time a text is
    // written, so a log can mix languages.
    virtual const RoundTexts& texts() const = 0;
    // The current date and time as the log writes them.
    virtual std::u16string timestamp() const = 0;
    // The name of the list the round is asked from.
    virtual std::u16string list_name() const = 0;

    // A round begins: the buttons and fields become usable.
    virtual void round_started() = 0;
    virtual void set_phase(std::u16string_view text) = 0;
    virtual void set_result(std::u16string_view text) = 0;
    virtual void append_log(std::u16string_view line) = 0;
    // Empties the question, answer and solution fields.
    virtual void clear_fields() = 0;
    virtual void show_question(std::u16string_view text) = 0;
    // A hint showed more of the question on display: `text` is the question
    // now, `revealed` what shows of the gap the hint was on.
    virtual void show_hint(std::u16string_view text, std::u16string_view /*revealed*/) { show_question(text); }
    // The hint about to show is the last one the question has: every letter shows then.
    virtual void hints_used_up() {}
    virtual void show_solution(std::u16string_view text) = 0;
    // The round has ended: the buttons are disabled, the fields emptied and disabled.
    virtual void round_ended() = 0;
};

// The counts of a round, as its result line shows them; the round keeps them,
// the store records them, the window shows them.
struct Tallies {
    std::int32_t questions = 0;
    std::int32_t correct = 0;
    std::int32_t trials = 0;
    std::int32_t wrong = 0;
    std::int32_t clocked = 0;

    bool operator==(const Tallies&) const = default;
};

// The round in progress (or the last one): its tallies and where it stands.
struct RoundState {
    Tallies tallies;
    std::int32_t cur_index = 0;
    std::int32_t last_index = 0;
    std::u16string result_line;
    // The line of the question on display, as it was when it was asked: the
    // list may be edited while it shows; and the one gap it asks, if it asks one.
    std::u16string asked_line;
    std::optional<int> asked_gap;
    // How its gaps show: blank, partly shown by hints, or filled.
    std::vector<GapShown> shown_gaps;
    // Hints given on the question on display, and in the whole round.
    std::int32_t question_hints = 0;
    std::int32_t round_hints = 0;

    // Correct, wrong and postponed tallies and trials become 0, the result line
    // empty; the question count and indices stay.
    void clear_tallies();
};

// "c/n Richtig - t Trials - w Falsch - p Zurückgestellt" with the labels of `texts`.
std::u16string format_result_line(const RoundState& state, const RoundTexts& texts);

// One question round: the user is asked every question in random order until
// each has been answered correctly once.
class Round {
public:
    Round(QuestionList& questions, StatusList& status, RoundView& view);

    // Starts a new round on the current list, from any state: prepare(), then start().
    void restart();
    // The new round's questions are counted (its list without empty lines) and its status column made.
    void prepare();
    // The prepared round begins: its first question is asked.
    void start();
    // Continues a round kept from an earlier run: the status column already
    // holds its entries again; the tallies are put back as they were, and the
    // question on display when it was left is asked again (when it is still
    // open; otherwise the next open one), with the letters its hints showed.
    void resume(const RoundState& state);
    // Marks the question on display, then asks the next one or ends the round.
    void step(Marking marking);
    // Ends the round as it stands, without a marking: its list is to be replaced.
    void stop();
    // Shows the stored line of the question on display, gaps and all.
    void reveal();
    // Shows the next letter of the question's first gap not yet wholly shown
    // (of the gap it asks, when it asks one). False when there is none.
    bool hint();
    // "Correct" after a hint counts as "Wrong" (the question stays in the round).
    void set_hint_counts_wrong(bool on) { hint_counts_wrong_ = on; }
    // How `marking` of the question on display counts.
    Marking counted(Marking marking) const;
    void clear_tallies() { state_.clear_tallies(); }

    const RoundState& state() const { return state_; }
    // A question is asked: the round has begun and not ended.
    bool running() const { return asking_; }

private:
    void ask_next(Marking marking);
    // Shows question `index`, its gaps as its list says.
    void ask(int index);
    void end_round(Marking marking);
    // Shows the next letter of the question's first gap not yet wholly shown
    // and counts the hint on the question; gives the gap, or nothing when none is left.
    std::optional<std::size_t> reveal_letter();
    // Whether a further hint would show more of the question on display.
    bool hint_left() const;
    const RoundTexts& texts() const { return view_.texts(); }

    QuestionList& questions_;
    StatusList& status_;
    RoundView& view_;
    RoundState state_;
    bool asking_ = false;
    bool hint_counts_wrong_ = false;
};

}  // namespace quiz
