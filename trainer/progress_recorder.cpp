#include "trainer/progress_recorder.h"

#include "desktop/error_reporter.h"
#include "lang/interface_language.h"
#include "lang/progress_texts.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

// The path as the file system has it, whatever bytes the folder's name holds.
std::filesystem::path systemPath(const QString& path)
{
    return std::filesystem::path(textfile::NameBytes(path.toStdU16String()));
}

QString shownPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(textfile::ReadableName(textfile::NameFromBytes(path.native())));
}

}  // namespace

ProgressRecorder::ProgressRecorder(QString folder, const InterfaceLanguage& language, const ErrorReporter& errors)
    : folder_(folder), path_(folder + QString::fromLatin1(kFileName)), language_(language), errors_(errors)
{
}

ProgressRecorder::~ProgressRecorder() = default;

void ProgressRecorder::open()
{
    if (store_ || failed_)
        return;
    try {
        store_ = std::make_unique<memory::ReviewStore>(systemPath(path_));
        if (const auto& aside = store_->moved_aside())
            errors_.show(progressTexts()
                             .movedAside.in(language_.current())
                             .arg(shownPath(systemPath(path_)), shownPath(*aside)));
    } catch (const memory::StoreError& error) {
        failed_ = true;
        errors_.show(storeFailureMessage(error, language_.current()));
    }
}

memory::ReviewStore* ProgressRecorder::store()
{
    open();
    return store_.get();
}

void ProgressRecorder::setDesiredRetention(double retention)
{
    keep([retention](memory::ReviewStore& store) { store.set_desired_retention(retention); });
}

std::optional<double> ProgressRecorder::desiredRetention() const
{
    if (!store_)
        return std::nullopt;
    return store_->desired_retention();
}

void ProgressRecorder::write(const std::function<void(memory::ReviewStore&)>& action)
{
    if (recording_)
        keep(action);
}

void ProgressRecorder::keep(const std::function<void(memory::ReviewStore&)>& action)
{
    if (!store())
        return;
    try {
        action(*store_);
        return;
    } catch (const memory::StoreError& error) {
        store_.reset();
        if (error.problem() != memory::StoreProblem::Corrupt) {
            // Said once; the round goes on without memory.
            failed_ = true;
            errors_.show(storeFailureMessage(error, language_.current()));
            return;
        }
    }
    // Damage found only now, in a part of the file not read at opening: the file
    // is moved aside as at opening, and the marking goes into a fresh one.
    try {
        const auto aside = memory::ReviewStore::move_aside(systemPath(path_));
        store_ = std::make_unique<memory::ReviewStore>(systemPath(path_));
        errors_.show(
            progressTexts().movedAside.in(language_.current()).arg(shownPath(systemPath(path_)), shownPath(aside)));
        action(*store_);
    } catch (const memory::StoreError& error) {
        store_.reset();
        failed_ = true;
        errors_.show(storeFailureMessage(error, language_.current()));
    }
}

void ProgressRecorder::kept_round_dropped() { errors_.show(progressTexts().keptRoundDropped.in(language_.current())); }

}  // namespace lernwerk
