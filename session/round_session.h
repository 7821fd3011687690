#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "memory/list_questions.h"
#include "memory/review_store.h"
#include "memory/round_choice.h"
#include "quiz/gap_items.h"
#include "quiz/in_memory_lists.h"
#include "quiz/round.h"
#include "session/memory_access.h"

namespace session {

// The kinds of round the session asks.
enum class RoundKind {
    WholeList,   // every line of the list, its gaps all at once
    GapsOfList,  // every line of the list, each gap a question of its own
    Chosen,      // questions the memory chose (the due ones, the missed ones), in list order
};

// The learner's round session: one round at a time over the loaded list,
// whatever its kind, what the learner marked in it, and what of that the
// memory keeps. Each marking is written with the round's standing in one
// transaction, so that a program ended in any way (closed, logged out,
// killed) loses at most the marking in flight, and a later run can continue
// the round on a list with the same questions. A round over chosen questions
// is asked from a copy of their lines, so the list and its status column stay
// as they are. The windows show the round through its view and pass the
// learner's commands in; nothing here knows a window.
class RoundSession {
public:
    RoundSession(quiz::QuestionList& list, quiz::StatusList& status, quiz::RoundView& view, MemoryAccess& memory);
    ~RoundSession();
    RoundSession(const RoundSession&) = delete;
    RoundSession& operator=(const RoundSession&) = delete;

    // The round the learner's commands go to.
    quiz::Round& active();
    const quiz::Round& active() const;
    RoundKind kind() const { return kind_; }

    // How the rounds begun from now on ask the gaps of a line.
    void set_gap_mode(quiz::GapMode mode) { gap_mode_ = mode; }
    quiz::GapMode gap_mode() const { return gap_mode_; }
    // "Correct" after a hint counts as "Wrong", in every round from now on.
    void set_hint_counts_wrong(bool on);
    // The whole list's tallies start from 0 again.
    void clear_whole_list_tallies() { whole_list_.clear_tallies(); }

    // The list's lines as they stand, empty ones too.
    std::vector<std::u16string> list_lines() const;
    // The list's questions as the gap mode asks them, each once, in list order.
    std::vector<memory::ListQuestion> list_questions() const;
    // Those of them a due round asks today (opens the store); none without the store.
    std::vector<memory::ListQuestion> due_questions();
    // The lines missed ("Wrong" or "Clock" at least once) in the last round or
    // the one in progress, by their place in its list; after a restart, those
    // of the last round of the run before.
    const std::map<int, std::u16string>& missed();
    // The missed lines as the questions a round over them asks.
    std::vector<memory::ListQuestion> missed_questions();
    // The name of the list the missed lines were missed in.
    const std::u16string& missed_list_name()
    {
        missed();
        return missed_list_;
    }

    // A round over the whole list, in the gap mode.
    void start_whole_list();
    // A round over `questions`; none begins for none.
    void start_chosen(const std::vector<memory::ListQuestion>& questions);
    void reveal() { active().reveal(); }
    // The next letter of the question on display; the kept round holds it. False when none is left.
    bool hint();
    // The question on display was marked: remembered, then the round steps on.
    // True when that ended the round.
    bool mark(quiz::Marking marking);
    // The round came to its end (the view was told so). True when it ended
    // without a marking (the marking that ends a round says so itself).
    bool ended();
    // Another list takes the place of this one: the round ends where it stands.
    void stop() { active().stop(); }
    // A round runs and something was marked in it.
    bool has_markings() const;

    // The kept round, when there is one for the list as it is and no round of
    // this run goes on. One whose counts the list cannot have is dropped.
    std::optional<memory::OpenRound> kept_round();
    // The kept round goes on; false when there is none for the list.
    bool continue_round();
    // The program ends: the round in progress is written whole once more (its
    // markings were written as they came), under the list as the next run
    // finds it: as it stands when `list_saved`, else as it was.
    void keep(bool list_saved);

private:
    void make_gap_round(quiz::GapMode mode);
    // The prepared round begins: the memory keeps it from now on.
    void begin();
    // The round in progress as the memory keeps it; with `with_status`, its status column too.
    memory::OpenRound standing(bool with_status) const;
    // The place in the list of question `shown` of the active round.
    int list_place(int shown) const;
    // Writes `record` with the round's standing, and the round's end with it when `ended`.
    void write_marking(memory::MarkingRecord record, bool ended);
    // The kept round as the store has it; one the store dropped is said.
    std::optional<memory::OpenRound> read_kept();
    // The kept round, when it is still going on, as a round ended now.
    std::optional<memory::RoundRecord> replaced_round();

    quiz::QuestionList& list_;
    quiz::StatusList& status_;
    quiz::RoundView& view_;
    MemoryAccess& memory_;

    quiz::Round whole_list_;
    quiz::InMemoryQuestions chosen_questions_;
    quiz::InMemoryStatus chosen_status_;
    std::unique_ptr<quiz::Round> chosen_;
    std::vector<int> chosen_places_;  // question of the chosen round -> place in the list
    std::unique_ptr<quiz::GapItems> gap_items_;
    std::unique_ptr<quiz::Round> gap_round_;
    RoundKind kind_ = RoundKind::WholeList;
    quiz::GapMode gap_mode_ = quiz::GapMode::AllAtOnce;
    bool hint_counts_wrong_ = false;

    // The round in progress as the memory keeps it.
    memory::RoundMarks marks_;
    std::map<int, std::u16string> missed_;
    std::set<std::int64_t> missed_keys_;  // of the missed lines
    std::u16string missed_list_;
    bool missed_read_ = false;  // the last run's missed lines were read, or a round began
    std::u16string list_name_;
    std::int64_t list_key_ = 0;
    std::int64_t started_ms_ = 0;
    bool in_round_ = false;
    // The start of the kept round found unfit for the list and dropped.
    std::optional<std::int64_t> dropped_started_ms_;

    // A marking steps the round on; when that ends the round, the end is written with the marking.
    bool stepping_ = false;
    bool ended_in_step_ = false;
    std::optional<memory::MarkingRecord> pending_;
};

}  // namespace session
