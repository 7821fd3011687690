#pragma once

#include <QObject>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lang/interface_language.h"
#include "memory/day_outlook.h"
#include "memory/list_questions.h"
#include "memory/review_store.h"
#include "quiz/gap_items.h"
#include "quiz/round.h"
#include "session/round_session.h"
#include "trainer/memory_dialogs.h"
#include "widgets/memo_lists.h"

class QAction;
class QPlainTextEdit;
class QTimer;

namespace lernwerk {

class ListsPage;
class ProgressPage;
class ProgressRecorder;

// The rounds the learner's memory chooses: the due questions of the loaded
// list and the ones missed in the last round. Such a round is asked by the
// same round engine over a copy of the chosen lines, in list order, so that
// the list and its status column stay as they are. It also keeps the File
// menu's entries for them up to date.
class MemoryRounds : public QObject {
    Q_OBJECT
public:
    struct Actions {
        QAction* reviewDue = nullptr;
        QAction* repeatMissed = nullptr;
        QAction* saveMissed = nullptr;
        QAction* continueRound = nullptr;
    };

    // Rounds over the list of `lists`, shown through `view`; the list's
    // changes are followed.
    MemoryRounds(ProgressRecorder& progress, ListsPage& lists, quiz::RoundView& view, const InterfaceLanguage& language,
                 QWidget* window);
    ~MemoryRounds() override;

    void setActions(Actions actions);

    // The round the trainer's buttons drive: the whole list's (gaps all at
    // once, or one gap each), or one over chosen questions.
    quiz::Round& active() { return session_.active(); }
    const quiz::Round& active() const { return session_.active(); }
    session::RoundSession& session() { return session_; }
    // "Neue Runde..": a round over the whole list.
    void startWholeList();
    // "Auflösen": the question on display with its gaps filled.
    void reveal() { session_.reveal(); }
    // "Tipp": the next letter of the question's first gap not yet wholly shown.
    void hint();
    // Settings > Count a Hint as Wrong, for every round of the run.
    void setHintCountsWrong(bool on) { session_.set_hint_counts_wrong(on); }
    // Settings > Gaps: how the rounds begun from now on ask the gaps of a line.
    void setGapMode(quiz::GapMode mode)
    {
        session_.set_gap_mode(mode);
        refresh();
    }
    // The whole list's tallies start from 0 again (the window was activated).
    void clearWholeListTallies() { session_.clear_whole_list_tallies(); }
    // A marking of the question on display: remembered, then the round steps on.
    void mark(quiz::Marking marking);
    // The round in progress came to its end.
    void finished();

    // File > Review Due Questions: the due ones, then new ones.
    void startDue();
    // File > Repeat Missed.
    void startMissed();
    // File > Save Missed As...: the missed lines, in list order, to a new file.
    // Offered is a name no file has yet; the loaded list and the files the
    // program keeps are never written.
    void saveMissed();
    // The loaded list's file; empty when the list is none.
    QString loadedList() const;
    // Why no save may write to `target` (the loaded list, a file the program keeps); empty when it may.
    QString refusedTarget(const QString& target) const;

    // Settings > Forget Progress of This List..: asks, then deletes the history
    // of the list's questions.
    void forgetList();
    // Draws the progress page from the store and the loaded list.
    void drawProgress(ProgressPage& page);
    // The program closes: the round in progress is written whole once more
    // (its markings were written as they came), for the next run. `listSaved`:
    // the list was saved as it stands, for the next run to find it so.
    void keepOpenRound(bool listSaved);
    // Another list is about to be loaded: asks before a round with markings
    // ends with it; true to go on.
    bool mayLoadOtherList();
    // Another list takes the place of the loaded one: the round over it ends.
    void otherListLoading();
    // The interface language is about to change, and with it the list: asks
    // before a round with markings ends with it; true to go on. A round
    // running then is ended, and `ended` says so.
    bool mayEndRoundForLanguage(bool& ended);
    // File > Continue Last Round: the kept round goes on, when the list has the same questions.
    void continueRound();

    // Counts the due questions anew and sets the entries' captions and states.
    void refresh();
    // The list changed: counted anew once the typing pauses.
    void listChanged();
    void retranslate(Language language);
    int dueCount() const { return dueCount_; }

    // The loaded list's day at a glance on `day`; nothing while the store is not open.
    std::optional<memory::DayOutlook> outlook(memory::Day day);
    // "Next review: tomorrow, 5 questions." for the loaded list, from today.
    QString nextReviewSentence();
    // What "Review Due" says when it has nothing to ask today.
    QString nothingDueSentence();
    // A line's memory as its tooltip shows it; empty for an empty line or without store.
    QString lineHistory(const QString& line);

signals:
    void countsChanged();
    // A round was asked for that has nothing to ask: `text` says why.
    void told(const QString& text);

private:
    using Questions = std::vector<memory::ListQuestion>;
    // The day at a glance as the store tells it now.
    std::optional<memory::DayOutlook> readOutlook(memory::Day day) const;
    void startChosen(const Questions& questions);
    void updateMissedEntries();
    // Asks before a round with markings is replaced by another; true to go on.
    bool mayReplaceRound();

    ProgressRecorder& progress_;
    MemoQuestionList listField_;
    MemoStatusList statusColumn_;
    session::RoundSession session_;
    quiz::RoundView& view_;
    const InterfaceLanguage& language_;
    Actions actions_;
    int dueCount_ = 0;
    // The day at a glance as the last count found it, while nothing was
    // marked and the list did not change since: the glance after a count
    // reads the store no second time.
    std::optional<memory::DayOutlook> counted_;
    std::optional<memory::Day> countedDay_;
    QTimer* recount_;
    // Kept, so that the file dialog remembers its folder.
    MemoryDialogs dialogs_;
};

}  // namespace lernwerk
