#include "app/progress_recorder.h"

#include <QDateTime>

#include "lang/interface_language.h"
#include "lang/progress_texts.h"
#include "widgets/error_reporter.h"

namespace lernwerk {

namespace {

std::int64_t nowMs() { return QDateTime::currentMSecsSinceEpoch(); }

memory::Day today(std::int64_t ms) { return memory::local_day(ms / 1000); }

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
        store_ = std::make_unique<memory::ReviewStore>(path_.toStdString());
        if (const auto& aside = store_->moved_aside())
            errors_.show(
                progressTexts().movedAside.in(language_.current()).arg(path_, QString::fromStdString(aside->string())));
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

template <typename Write>
void ProgressRecorder::write(Write&& action)
{
    if (!recording_ || !store())
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
        const auto aside = memory::ReviewStore::move_aside(path_.toStdString());
        store_ = std::make_unique<memory::ReviewStore>(path_.toStdString());
        errors_.show(
            progressTexts().movedAside.in(language_.current()).arg(path_, QString::fromStdString(aside.string())));
        action(*store_);
    } catch (const memory::StoreError& error) {
        store_.reset();
        failed_ = true;
        errors_.show(storeFailureMessage(error, language_.current()));
    }
}

void ProgressRecorder::roundStarted(const std::u16string& listName)
{
    marks_.start();
    missedLines_.clear();
    listName_ = listName;
    startedMs_ = nowMs();
    inRound_ = true;
}

void ProgressRecorder::roundResumed(const std::u16string& listName, std::int64_t startedMs,
                                    const std::vector<std::int32_t>& reviewed,
                                    std::map<int, std::u16string> missedLines)
{
    std::vector<std::int32_t> missed;
    for (const auto& entry : missedLines)
        missed.push_back(entry.first);
    marks_.restore(reviewed, missed);
    missedLines_ = std::move(missedLines);
    listName_ = listName;
    startedMs_ = startedMs;
    inRound_ = true;
}

void ProgressRecorder::marked(int index, const std::u16string& line, quiz::Marking marking)
{
    if (!inRound_ || marking == quiz::Marking::None)
        return;
    const auto mark = marking == quiz::Marking::Correct ? memory::Mark::Correct
                      : marking == quiz::Marking::Wrong ? memory::Mark::Wrong
                                                        : memory::Mark::Clock;
    if (mark != memory::Mark::Correct)
        missedLines_.emplace(index, line);
    const auto rating = marks_.mark(index, mark);
    if (!rating)
        return;
    const std::int64_t ms = nowMs();
    write([&](memory::ReviewStore& store) { store.record(line, *rating, ms, today(ms)); });
}

void ProgressRecorder::roundFinished(const quiz::RoundState& state)
{
    if (!inRound_)
        return;
    inRound_ = false;
    const memory::RoundRecord round{listName_,       startedMs_,     nowMs(),       state.n_questions,
                                    state.n_correct, state.n_trials, state.n_wrong, state.n_clocked};
    write([&](memory::ReviewStore& store) { store.record_round(round); });
}

}  // namespace lernwerk
