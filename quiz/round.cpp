#include "quiz/round.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "quiz/gaps.h"

namespace quiz {

namespace {

std::uint64_t clock_seed()
{
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

std::u16string decimal(std::int32_t value)
{
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

}  // namespace

void RoundState::clear_tallies()
{
    tallies = Tallies{.questions = tallies.questions};
    result_line.clear();
}

std::u16string format_result_line(const RoundState& state, const RoundTexts& texts)
{
    std::u16string line;
    line += decimal(state.tallies.correct);
    line += u'/';
    line += decimal(state.tallies.questions);
    line += texts.label_correct;
    line += decimal(state.tallies.trials);
    line += texts.label_trials;
    line += decimal(state.tallies.wrong);
    line += texts.label_wrong;
    line += decimal(state.tallies.clocked);
    line += texts.label_clocked;
    return line;
}

Round::Round(QuestionList& questions, StatusList& status, RoundView& view)
    : questions_(questions), status_(status), view_(view)
{
}

void Round::restart()
{
    prepare();
    start();
}

void Round::prepare()
{
    state_.tallies.correct = 0;
    state_.tallies.wrong = 0;
    state_.tallies.clocked = 0;
    state_.tallies.trials = -1;  // the first step, which marks nothing, brings it to 0
    state_.round_hints = 0;

    questions_.remove_empty_lines();
    state_.tallies.questions = questions_.count();
    status_.reset(state_.tallies.questions);
}

void Round::start()
{
    view_.round_started();
    view_.set_phase(texts().phase_asking);

    view_.append_log(texts().log_restart);
    view_.append_log(std::u16string(texts().log_start) + view_.timestamp());
    view_.append_log(std::u16string(texts().log_list) + view_.list_name());

    step(Marking::None);
}

Marking Round::counted(Marking marking) const
{
    return marking == Marking::Correct && hint_counts_wrong_ && state_.question_hints > 0 ? Marking::Wrong : marking;
}

void Round::ask(int index)
{
    view_.clear_fields();
    state_.cur_index = index;
    state_.asked_line = questions_.line(index);
    state_.asked_gap = questions_.gap(index);
    state_.question_hints = 0;
    state_.shown_gaps = questions_.shown_gaps(index);
    asking_ = true;
    view_.show_question(show_question(question_pieces(state_.asked_line, state_.shown_gaps)));
}

bool Round::hint()
{
    if (!asking_)
        return false;
    const auto hinted = reveal_letter();
    if (!hinted)
        return false;
    ++state_.round_hints;
    if (!hint_left())
        view_.hints_used_up();
    const auto gaps = find_gaps(state_.asked_line);
    const Gap& gap = gaps[*hinted];
    const std::u16string_view revealed =
        gap.text.substr(0, std::min(state_.shown_gaps[*hinted].revealed, gap.text.size()));
    view_.show_hint(show_question(question_pieces(state_.asked_line, state_.shown_gaps)), revealed);
    return true;
}

bool Round::hint_left() const
{
    Round trial = *this;
    return trial.reveal_letter().has_value();
}

std::optional<std::size_t> Round::reveal_letter()
{
    const auto gaps = find_gaps(state_.asked_line);
    state_.shown_gaps.resize(std::max(state_.shown_gaps.size(), gaps.size()));
    // In one-gap questions, only the asked gap: the later ones stay blank.
    std::vector<GapShown> candidate = state_.shown_gaps;
    if (state_.asked_gap)
        for (std::size_t g = 0; g < candidate.size(); ++g)
            if (static_cast<int>(g) != *state_.asked_gap)
                candidate[g].filled = true;
    const auto hinted = give_hint(state_.asked_line, candidate);
    if (!hinted)
        return std::nullopt;
    state_.shown_gaps[*hinted] = candidate[*hinted];
    ++state_.question_hints;
    return *hinted;
}

void Round::resume(const RoundState& state)
{
    state_ = state;
    state_.tallies.questions = questions_.count();
    view_.round_started();
    view_.set_phase(texts().phase_asking);
    view_.append_log(std::u16string(texts().log_start) + view_.timestamp());
    view_.append_log(std::u16string(texts().log_list) + view_.list_name());
    const int shown = state_.last_index;
    if (shown >= 0 && shown < state_.tallies.questions && status_.tally().kind(shown) != EntryKind::Correct) {
        // The question on display when the round was left is asked again; it counted as a trial already.
        // Its hints show again: each showed the next letter, and so they do once more.
        ask(shown);
        for (std::int32_t i = 0; i < state.question_hints && reveal_letter(); ++i) {
        }
        if (state_.question_hints > 0) {
            if (!hint_left())
                view_.hints_used_up();
            view_.show_question(show_question(question_pieces(state_.asked_line, state_.shown_gaps)));
        }
        state_.tallies.correct = status_.tally().correct_count();
        state_.result_line = format_result_line(state_, texts());
        view_.set_result(state_.result_line);
        return;
    }
    --state_.tallies.trials;
    step(Marking::None);
}

void Round::step(Marking marking)
{
    marking = counted(marking);
    if (marking == Marking::Correct)
        status_.mark_correct(state_.last_index);

    if (status_.tally().open_count() == 0)
        end_round(marking);
    else
        ask_next(marking);

    state_.result_line = format_result_line(state_, texts());
    view_.set_result(state_.result_line);
}

void Round::ask_next(Marking marking)
{
    // Seeded anew from the high-resolution clock before every pick.
    std::mt19937_64 random(clock_seed());
    const auto picked = status_.tally().pick(state_.tallies.questions, random);
    if (!picked) {
        // Open entries remain, but none of them belongs to a question of this
        // round (the column was edited by hand): nothing is left to ask.
        end_round(marking);
        return;
    }

    ask(*picked);
    state_.last_index = state_.cur_index;
    ++state_.tallies.trials;
    if (marking == Marking::Wrong)
        ++state_.tallies.wrong;
    else if (marking == Marking::Postponed)
        ++state_.tallies.clocked;
    state_.tallies.correct = status_.tally().correct_count();
}

void Round::stop()
{
    if (!asking_)
        return;
    // Nothing was marked: the count of trials stays as it is.
    --state_.tallies.trials;
    end_round(Marking::None);
    // The result line closes the step, as after a marking: what the end says is said now.
    state_.result_line = format_result_line(state_, texts());
    view_.set_result(state_.result_line);
}

void Round::end_round(Marking marking)
{
    asking_ = false;
    ++state_.tallies.trials;
    if (marking == Marking::Correct)
        ++state_.tallies.correct;

    view_.set_phase(texts().phase_finished);
    view_.append_log(std::u16string(texts().log_end) + view_.timestamp());
    view_.append_log(texts().log_closing);
    view_.append_log(format_result_line(state_, texts()));
    if (state_.round_hints > 0)
        view_.append_log(std::u16string(texts().log_hints) + decimal(state_.round_hints));
    view_.append_log(u" ");
    view_.round_ended();
}

void Round::reveal() { view_.show_solution(questions_.line(state_.cur_index)); }

}  // namespace quiz
