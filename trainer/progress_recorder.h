#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "desktop/last_list_files.h"
#include "memory/review_store.h"
#include "session/memory_access.h"

namespace lernwerk {

class ErrorReporter;
class InterfaceLanguage;

// The learner's progress file beside the last-list files, as the round
// session uses it. The file is opened when first needed after the main window
// shows; a file that cannot be used is named once, and the program goes on
// without memory for the rest of the run. A file found damaged only while it
// is written is moved aside as at opening, and the write goes into a fresh
// one. Nothing here ever writes a list file.
class ProgressRecorder : public session::MemoryAccess {
public:
    static constexpr const char* kFileName = kProgressFileName;

    ProgressRecorder(QString folder, const InterfaceLanguage& language, const ErrorReporter& errors);
    ~ProgressRecorder() override;

    // The folder of the file, which holds the last-list files too; ends with a separator.
    QString folder() const { return folder_; }
    QString path() const { return path_; }
    // Opens the file now, unless it is open or has failed already.
    void open();
    // Settings > Remember Progress: off, nothing is recorded for the rest of the run.
    void setRecording(bool on) { recording_ = on; }
    bool recording() const { return recording_; }
    // Settings > Desired Retention: kept in the file, also while nothing is recorded.
    void setDesiredRetention(double retention);
    // The retention the open file keeps; nothing before it is open.
    std::optional<double> desiredRetention() const;

    memory::ReviewStore* store() override;
    memory::ReviewStore* open_store() const override { return store_.get(); }
    void write(const std::function<void(memory::ReviewStore&)>& action) override;
    void kept_round_dropped() override;

private:
    // Runs `action` on the store, whether or not progress is recorded.
    void keep(const std::function<void(memory::ReviewStore&)>& action);

    QString folder_;
    QString path_;
    const InterfaceLanguage& language_;
    const ErrorReporter& errors_;
    std::unique_ptr<memory::ReviewStore> store_;
    bool failed_ = false;
    bool recording_ = true;
};

}  // namespace lernwerk
