#pragma once

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "desktop/last_list_files.h"
#include "memory/review_store.h"
#include "memory/round_choice.h"
#include "quiz/round.h"

namespace lernwerk {

class ErrorReporter;
class InterfaceLanguage;

// Remembers the learner's markings in the progress file beside the last-list
// files. The file is opened when first needed after the main window shows; a
// file that cannot be used is named once, and the program goes on without
// memory for the rest of the run. Nothing here ever writes a list file.
//
// The round in progress is written with every marking, in the same
// transaction as the marking's review, so that a program ended in any way
// (closed, logged out, killed) loses at most the marking in flight.
class ProgressRecorder {
public:
    static constexpr const char* kFileName = kProgressFileName;

    ProgressRecorder(QString folder, const InterfaceLanguage& language, const ErrorReporter& errors);
    ~ProgressRecorder();

    // The folder of the file, which holds the last-list files too; ends with a separator.
    QString folder() const { return folder_; }
    QString path() const { return path_; }
    // Opens the file now, unless it is open or has failed already.
    void open();
    // Settings > Remember Progress: off, nothing is recorded for the rest of the run.
    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }
    // The open store, or nothing when it cannot be used.
    memory::ReviewStore* store();
    // The same, but only when already open: never opens it.
    memory::ReviewStore* storeIfOpen() const { return store_.get(); }

    // A round begins, as `round` describes it; it takes the place of the kept
    // round, which is recorded as ended when it was still going on.
    void roundStarted(const memory::OpenRound& round);
    // The question on display, with the text `line` (line `index` of the list,
    // for the order of the missed lines), was marked. Fills in what `record`
    // is to write of it: the review, and the missed line.
    // `question` is what the memory knows it by (the line, or one of its gaps);
    // `hinted`: a hint showed part of it first.
    void marked(int index, const std::u16string& line, const std::u16string& question, quiz::Marking marking,
                bool hinted, memory::MarkingRecord& record);
    // Writes the marking `record` (see marked()), the round's record with it when the round ended.
    void writeMarking(memory::MarkingRecord record, const quiz::RoundState& state, bool ended);
    // The round ended without a marking (a list whose questions were all done).
    void roundFinished(const quiz::RoundState& state);
    // A round kept from an earlier run goes on.
    void roundResumed(const memory::OpenRound& kept);
    // The whole round as it stands, written in place of the kept one (the program closes).
    void keepRound(const memory::OpenRound& round);
    // A hint was given on the question on display: the kept round holds it.
    void hintGiven(const quiz::RoundState& state);
    // The kept round, finished or not, when the store is open; one that had to
    // be dropped is named once.
    std::optional<memory::OpenRound> keptRound();
    // The kept round cannot go on over the list: it is dropped, and that is said.
    void dropKeptRound();

    bool inRound() const { return inRound_; }
    // Something was marked in the round in progress.
    bool anyMarked() const { return marked_; }
    std::int64_t roundStartedMs() const { return startedMs_; }
    // The list the round in progress belongs to, by its questions (memory::list_key).
    std::int64_t roundListKey() const { return listKey_; }

    const memory::RoundMarks& marks() const { return marks_; }
    // The lines missed ("Wrong" or "Clock" at least once) in the last round or
    // the one in progress, by their index in the list; after a restart, those
    // of the last round of the run before.
    const std::map<int, std::u16string>& missedLines() const { return missedLines_; }

private:
    template <typename Write>
    void write(Write&& action);
    memory::RoundRecord roundRecord(const quiz::RoundState& state, std::int64_t endedMs) const;
    // The kept round, when it is still going on, as a round ended now.
    std::optional<memory::RoundRecord> replacedRound();
    // Says that the kept round was dropped, when the store did so.
    void tellDroppedRound();

    QString folder_;
    QString path_;
    const InterfaceLanguage& language_;
    const ErrorReporter& errors_;
    std::unique_ptr<memory::ReviewStore> store_;
    bool failed_ = false;
    bool recording_ = true;
    memory::RoundMarks marks_;
    std::map<int, std::u16string> missedLines_;
    std::set<std::int64_t> missedKeys_;  // of the missed lines
    std::u16string listName_;
    std::int64_t listKey_ = 0;
    std::int64_t startedMs_ = 0;
    bool inRound_ = false;
    bool marked_ = false;
};

}  // namespace lernwerk
