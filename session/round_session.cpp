#include "session/round_session.h"

#include <algorithm>

#include "memory/day.h"
#include "memory/kept_round.h"
#include "memory/question_key.h"

namespace session {

RoundSession::RoundSession(quiz::QuestionList& list, quiz::StatusList& status, quiz::RoundView& view,
                           MemoryAccess& memory)
    : list_(list),
      status_(status),
      view_(view),
      memory_(memory),
      whole_list_(list, status, view),
      chosen_(std::make_unique<quiz::Round>(chosen_questions_, chosen_status_, view))
{
}

RoundSession::~RoundSession() = default;

quiz::Round& RoundSession::active()
{
    switch (kind_) {
        case RoundKind::Chosen:
            return *chosen_;
        case RoundKind::GapsOfList:
            return *gap_round_;
        case RoundKind::WholeList:
            break;
    }
    return whole_list_;
}

const quiz::Round& RoundSession::active() const { return const_cast<RoundSession*>(this)->active(); }

void RoundSession::set_hint_counts_wrong(bool on)
{
    hint_counts_wrong_ = on;
    whole_list_.set_hint_counts_wrong(on);
    chosen_->set_hint_counts_wrong(on);
    if (gap_round_)
        gap_round_->set_hint_counts_wrong(on);
}

std::vector<std::u16string> RoundSession::list_lines() const
{
    std::vector<std::u16string> lines;
    const int count = list_.count();
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(list_.line(i));
    return lines;
}

std::vector<memory::ListQuestion> RoundSession::list_questions() const
{
    std::vector<std::pair<int, std::u16string>> lines;
    const int count = list_.count();
    for (int i = 0; i < count; ++i)
        lines.emplace_back(i, list_.line(i));
    return memory::list_questions(lines, gap_mode_);
}

std::vector<memory::ListQuestion> RoundSession::due_questions()
{
    memory::ReviewStore* store = memory_.store();
    if (!store)
        return {};
    try {
        return memory::due_questions(*store, list_questions(), memory::today());
    } catch (const memory::StoreError&) {
        return {};  // counted as none; the next write names the problem
    }
}

const std::map<int, std::u16string>& RoundSession::missed()
{
    // What the last round of the run before missed can be repeated or saved, once the store is open.
    if (!missed_read_ && !in_round_ && memory_.open_store()) {
        missed_read_ = true;
        try {
            if (const auto kept = read_kept()) {
                missed_ = kept->missed;
                missed_list_ = kept->list_name;
                for (const auto& entry : missed_)
                    missed_keys_.insert(memory::question_key(entry.second));
            }
        } catch (const memory::StoreError&) {
            // the next write names the problem
        }
    }
    return missed_;
}

std::vector<memory::ListQuestion> RoundSession::missed_questions()
{
    const auto& lines = missed();
    return memory::list_questions({lines.begin(), lines.end()}, gap_mode_);
}

void RoundSession::make_gap_round(quiz::GapMode mode)
{
    gap_round_.reset();
    gap_items_ = std::make_unique<quiz::GapItems>(list_, status_, mode);
    gap_round_ = std::make_unique<quiz::Round>(*gap_items_, *gap_items_, view_);
    gap_round_->set_hint_counts_wrong(hint_counts_wrong_);
    kind_ = RoundKind::GapsOfList;
}

void RoundSession::start_whole_list()
{
    if (gap_mode_ == quiz::GapMode::AllAtOnce)
        kind_ = RoundKind::WholeList;
    else
        make_gap_round(gap_mode_);
    active().prepare();
    begin();
    active().start();
    write_marking({}, false);
}

void RoundSession::start_chosen(const std::vector<memory::ListQuestion>& questions)
{
    if (questions.empty())
        return;
    chosen_questions_.lines.clear();
    chosen_questions_.gaps.clear();
    chosen_questions_.mode = gap_mode_;
    chosen_places_.clear();
    for (const memory::ListQuestion& question : questions) {
        chosen_places_.push_back(question.index);
        chosen_questions_.lines.push_back(question.line);
        chosen_questions_.gaps.push_back(question.gap);
    }
    kind_ = RoundKind::Chosen;
    chosen_->prepare();
    begin();
    chosen_->start();
    write_marking({}, false);
}

void RoundSession::begin()
{
    memory::OpenRound round = standing(false);
    round.started_ms = memory::now_ms();
    round.updated_ms = round.started_ms;
    round.reviewed.clear();
    round.missed.clear();
    round.tallies = {};
    round.current = round.last = 0;
    round.question_hints = round.round_hints = 0;
    // As the prepared round counted them; every entry is "0" now.
    round.tallies.questions = active().state().tallies.questions;
    round.status_count = round.tallies.questions;
    round.status.clear();

    marks_.start();
    missed_.clear();
    missed_keys_.clear();
    missed_read_ = true;
    missed_list_ = round.list_name;
    list_name_ = round.list_name;
    list_key_ = round.list_key;
    started_ms_ = round.started_ms;
    in_round_ = true;
    memory_.write([&](memory::ReviewStore& store) { store.begin_round(round, replaced_round()); });
}

bool RoundSession::hint()
{
    if (!active().hint())
        return false;
    if (in_round_ && memory_.open_store()) {
        memory::OpenRound round;
        round.list_key = list_key_;
        round.started_ms = started_ms_;
        round.question_hints = active().state().question_hints;
        round.round_hints = active().state().round_hints;
        memory_.write([&](memory::ReviewStore& store) { store.keep_hints(round); });
    }
    return true;
}

int RoundSession::list_place(int shown) const
{
    int place = shown;
    if (kind_ == RoundKind::Chosen)
        place = shown >= 0 && shown < static_cast<int>(chosen_places_.size())
                    ? chosen_places_[static_cast<std::size_t>(shown)]
                    : -1;
    else if (kind_ == RoundKind::GapsOfList)
        place = gap_items_->line_of(shown);
    // A chosen line no longer in the list keeps its place after the list's lines.
    return place >= 0 ? place : list_.count() + std::max(shown, 0);
}

bool RoundSession::mark(quiz::Marking marking)
{
    quiz::Round& round = active();
    const quiz::RoundState& state = round.state();
    // The question as it was asked: the list may have been edited since.
    const int shown = state.last_index;
    const std::u16string line = state.asked_line;
    // What the memory knows it by: the line, or the gap it asked.
    const std::u16string question = state.asked_gap ? quiz::gap_question(line, *state.asked_gap) : line;
    const quiz::Marking counted = round.counted(marking);
    memory::MarkingRecord record;
    if (in_round_ && counted != quiz::Marking::None) {
        const int place = list_place(shown);
        // A line that stands twice in the list is one question: missed once, reviewed once.
        if (counted != quiz::Marking::Correct && missed_keys_.insert(memory::question_key(line)).second) {
            missed_.emplace(place, line);
            record.missed = {{place, line}};
        }
        // "Correct" after a hint is remembered as hard.
        if (const auto rating = marks_.review(memory::question_key(question), counted, state.question_hints > 0)) {
            const std::int64_t ms = memory::now_ms();
            record.review = memory::MarkingRecord::Review{question, *rating, ms, memory::local_day(ms / 1000)};
        }
    }
    if (counted == quiz::Marking::Correct)
        record.status_entry = {{shown, std::u16string(quiz::kCorrectEntry)}};
    pending_ = std::move(record);
    stepping_ = true;
    ended_in_step_ = false;
    round.step(marking);
    stepping_ = false;
    // When the step ended the round, the marking was written with its end already.
    if (pending_)
        write_marking(std::move(*pending_), false);
    pending_.reset();
    return ended_in_step_;
}

bool RoundSession::ended()
{
    if (stepping_) {
        // The marking that ended it is written with the end.
        ended_in_step_ = true;
        if (pending_)
            write_marking(std::move(*pending_), true);
        pending_.reset();
        return false;
    }
    write_marking({}, true);
    return true;
}

bool RoundSession::has_markings() const { return active().running() && active().state().tallies.trials > 0; }

void RoundSession::write_marking(memory::MarkingRecord record, bool ended)
{
    if (!in_round_)
        return;
    const quiz::RoundState& state = active().state();
    const std::int64_t ms = memory::now_ms();
    record.round.list_key = list_key_;
    record.round.started_ms = started_ms_;
    record.round.updated_ms = ms;
    record.round.tallies = state.tallies;
    record.round.current = state.cur_index;
    record.round.last = state.last_index;
    record.round.question_hints = state.question_hints;
    record.round.round_hints = state.round_hints;
    if (ended) {
        in_round_ = false;
        record.ended = memory::RoundRecord{list_name_, started_ms_, ms, state.tallies};
    }
    memory_.write([&](memory::ReviewStore& store) { store.record_marking(record); });
}

std::optional<memory::OpenRound> RoundSession::read_kept()
{
    memory::ReviewStore* store = memory_.open_store();
    if (!store)
        return std::nullopt;
    auto kept = store->open_round();
    if (store->dropped_kept_round())
        memory_.kept_round_dropped();
    return kept;
}

std::optional<memory::RoundRecord> RoundSession::replaced_round()
{
    const auto kept = read_kept();
    if (!kept || kept->finished || (kept->tallies.trials <= 0 && kept->reviewed.empty() && kept->missed.empty()))
        return std::nullopt;
    return memory::RoundRecord{kept->list_name, kept->started_ms, std::max(kept->updated_ms, kept->started_ms),
                               kept->tallies};
}

memory::OpenRound RoundSession::standing(bool with_status) const
{
    const quiz::RoundState& state = active().state();
    memory::OpenRound round;
    const auto lines = list_lines();
    round.list_key = memory::list_key(lines.data(), lines.size());
    round.list_name = view_.list_name();
    round.started_ms = started_ms_;
    round.updated_ms = memory::now_ms();
    round.tallies = state.tallies;
    round.current = state.cur_index;
    round.last = state.last_index;
    round.question_hints = state.question_hints;
    round.round_hints = state.round_hints;
    // The status column of the round: each entry as it stands, "0" left out.
    const auto column = [&round, with_status](const quiz::StatusList& status) {
        round.status_count = status.tally().size();
        if (!with_status)
            return;
        for (int i = 0; i < round.status_count; ++i)
            if (auto entry = status.entry(i); entry != u"0")
                round.status[i] = std::move(entry);
    };
    switch (kind_) {
        case RoundKind::Chosen:
            round.gap_mode = chosen_questions_.mode;
            for (std::size_t i = 0; i < chosen_questions_.lines.size(); ++i) {
                const auto gap = chosen_questions_.gap(static_cast<int>(i));
                round.chosen.push_back(gap ? quiz::gap_question(chosen_questions_.lines[i], *gap)
                                           : chosen_questions_.lines[i]);
            }
            column(chosen_status_);
            break;
        case RoundKind::GapsOfList:
            round.gap_mode = gap_items_->mode();
            column(*gap_items_);
            break;
        case RoundKind::WholeList:
            column(status_);
            break;
    }
    round.reviewed = marks_.reviewed();
    round.missed = missed_;
    return round;
}

void RoundSession::keep(bool list_saved)
{
    if (!in_round_ || !memory_.open_store())
        return;
    // Written whole once more, for what the markings do not show (a status entry typed by hand).
    memory::OpenRound round = standing(true);
    // Edits not saved with the list are gone when the next run reads it.
    if (!list_saved)
        round.list_key = list_key_;
    memory_.write([&](memory::ReviewStore& store) { store.keep_round(round, std::nullopt); });
}

std::optional<memory::OpenRound> RoundSession::kept_round()
{
    if (!memory_.open_store() || in_round_)
        return std::nullopt;
    try {
        auto kept = read_kept();
        if (!kept || kept->finished)
            return std::nullopt;
        const auto lines = list_lines();
        if (kept->list_key != memory::list_key(lines.data(), lines.size()))
            return std::nullopt;
        // Of this list's questions, but with counts it cannot have: nothing is made of them.
        const auto nonEmpty = static_cast<std::int32_t>(
            std::count_if(lines.begin(), lines.end(), [](const auto& l) { return !l.empty(); }));
        std::int32_t questions = nonEmpty;
        std::int32_t entries = std::max(nonEmpty, static_cast<std::int32_t>(lines.size()));
        if (!kept->chosen.empty()) {
            questions = entries = static_cast<std::int32_t>(kept->chosen.size());
        } else if (kept->gap_mode != quiz::GapMode::AllAtOnce) {
            std::vector<std::pair<int, std::u16string>> numbered;
            for (std::size_t i = 0; i < lines.size(); ++i)
                numbered.emplace_back(static_cast<int>(i), lines[i]);
            questions = entries = static_cast<std::int32_t>(memory::list_questions(numbered, kept->gap_mode).size());
        }
        if (!memory::fits(*kept, questions, entries)) {
            // Dropped and said once, also where the file cannot be written (recording off, read-only).
            if (dropped_started_ms_ == kept->started_ms)
                return std::nullopt;
            dropped_started_ms_ = kept->started_ms;
            try {
                memory_.open_store()->clear_open_round();
            } catch (const memory::StoreError&) {
                // the next write names the problem
            }
            memory_.kept_round_dropped();
            return std::nullopt;
        }
        return kept;
    } catch (const memory::StoreError&) {
        return std::nullopt;
    }
}

bool RoundSession::continue_round()
{
    auto kept = kept_round();
    if (!kept)
        return false;
    quiz::RoundState state;
    state.tallies = kept->tallies;
    state.cur_index = kept->current;
    state.last_index = kept->last;
    state.question_hints = kept->question_hints;
    state.round_hints = kept->round_hints;

    marks_.restore(kept->reviewed);
    missed_ = kept->missed;
    missed_keys_.clear();
    for (const auto& entry : kept->missed)
        missed_keys_.insert(memory::question_key(entry.second));
    missed_read_ = true;
    missed_list_ = kept->list_name;
    list_name_ = kept->list_name;
    list_key_ = kept->list_key;
    started_ms_ = kept->started_ms;
    in_round_ = true;

    if (kept->chosen.empty()) {
        // As when the round began: its status column stands beside the list without its empty lines.
        list_.remove_empty_lines();
        if (kept->gap_mode == quiz::GapMode::AllAtOnce) {
            kind_ = RoundKind::WholeList;
            status_.restore(kept->status_count, kept->status);
        } else {
            // One gap each: the gaps done are marked again, and with them their lines.
            make_gap_round(kept->gap_mode);
            gap_items_->restore(gap_items_->count(), kept->status);
        }
    } else {
        kind_ = RoundKind::Chosen;
        // Each chosen line's place in the list, for the order of the missed lines; a line
        // no longer in the list (the file changed since it was missed) a place after its lines.
        const auto lines = list_lines();
        std::map<std::int64_t, int> places;
        for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
            places[memory::question_key(lines[static_cast<std::size_t>(i)])] = i;
        chosen_questions_.lines.clear();
        chosen_questions_.gaps.clear();
        chosen_questions_.mode = kept->gap_mode;
        chosen_places_.clear();
        int gone = static_cast<int>(lines.size());
        for (const auto& question : kept->chosen) {
            auto [line, gap] = quiz::split_gap_question(question);
            const auto place = places.find(memory::question_key(line));
            chosen_places_.push_back(place == places.end() ? gone++ : place->second);
            chosen_questions_.lines.push_back(std::move(line));
            chosen_questions_.gaps.push_back(gap);
        }
        chosen_status_.restore(static_cast<int>(kept->chosen.size()), kept->status);
    }
    active().resume(state);
    write_marking({}, false);
    return true;
}

}  // namespace session
