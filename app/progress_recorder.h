#pragma once

#include <QString>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

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
class ProgressRecorder {
public:
    static constexpr const char* kFileName = "progress.sqlite";

    ProgressRecorder(QString folder, const InterfaceLanguage& language, const ErrorReporter& errors);
    ~ProgressRecorder();

    // The folder of the file, which holds the last-list files too; ends with a separator.
    QString folder() const { return folder_; }
    // Opens the file now, unless it is open or has failed already.
    void open();
    // Settings > Remember Progress: off, nothing is recorded for the rest of the run.
    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }
    // The open store, or nothing when it cannot be used.
    memory::ReviewStore* store();
    // The same, but only when already open: never opens it.
    memory::ReviewStore* storeIfOpen() const { return store_.get(); }

    void roundStarted(const std::u16string& listName);
    // The question on display, line `index` of the list with the text `line`, was marked.
    void marked(int index, const std::u16string& line, quiz::Marking marking);
    void roundFinished(const quiz::RoundState& state);
    // A round kept from an earlier run goes on: started then, with these
    // questions reviewed and these missed (indices in the list).
    void roundResumed(const std::u16string& listName, std::int64_t startedMs, const std::vector<std::int32_t>& reviewed,
                      std::map<int, std::u16string> missedLines);
    bool inRound() const { return inRound_; }
    std::int64_t roundStartedMs() const { return startedMs_; }

    const memory::RoundMarks& marks() const { return marks_; }
    // The lines missed ("Wrong" or "Clock" at least once) in the last round or
    // the one in progress, by their index in the list.
    const std::map<int, std::u16string>& missedLines() const { return missedLines_; }

private:
    template <typename Write>
    void write(Write&& action);

    QString folder_;
    QString path_;
    const InterfaceLanguage& language_;
    const ErrorReporter& errors_;
    std::unique_ptr<memory::ReviewStore> store_;
    bool failed_ = false;
    bool recording_ = true;
    memory::RoundMarks marks_;
    std::map<int, std::u16string> missedLines_;
    std::u16string listName_;
    std::int64_t startedMs_ = 0;
    bool inRound_ = false;
};

}  // namespace lernwerk
