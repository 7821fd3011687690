#include "app/progress_recorder.h"

#include <QDateTime>

#include "desktop/error_reporter.h"
#include "lang/interface_language.h"
#include "lang/progress_texts.h"
#include "memory/question_key.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

std::int64_t nowMs() { return QDateTime::currentMSecsSinceEpoch(); }

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
        // What the last round of the run before missed can be repeated or saved.
        if (!inRound_ && missedLines_.empty())
            if (const auto kept = store_->open_round())
                missedLines_ = kept->missed;
        tellDroppedRound();
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

memory::RoundRecord ProgressRecorder::roundRecord(const quiz::RoundState& state, std::int64_t endedMs) const
{
    return {listName_, startedMs_, endedMs, state.tallies};
}

std::optional<memory::RoundRecord> ProgressRecorder::replacedRound()
{
    const auto kept = keptRound();
    if (!kept || kept->finished || (kept->tallies.trials <= 0 && kept->reviewed.empty() && kept->missed.empty()))
        return std::nullopt;
    return memory::RoundRecord{kept->list_name, kept->started_ms, std::max(kept->updated_ms, kept->started_ms),
                               kept->tallies};
}

void ProgressRecorder::roundStarted(const memory::OpenRound& round)
{
    marks_.start();
    missedLines_.clear();
    missedKeys_.clear();
    listName_ = round.list_name;
    listKey_ = round.list_key;
    startedMs_ = round.started_ms;
    inRound_ = true;
    marked_ = false;
    write([&](memory::ReviewStore& store) { store.begin_round(round, replacedRound()); });
}

void ProgressRecorder::roundResumed(const memory::OpenRound& kept)
{
    std::set<std::int64_t> missed;
    for (const auto& entry : kept.missed)
        missed.insert(memory::question_key(entry.second));
    marks_.restore(kept.reviewed, std::move(missed));
    missedLines_ = kept.missed;
    missedKeys_.clear();
    for (const auto& entry : kept.missed)
        missedKeys_.insert(memory::question_key(entry.second));
    listName_ = kept.list_name;
    listKey_ = kept.list_key;
    startedMs_ = kept.started_ms;
    inRound_ = true;
    marked_ = kept.tallies.trials > 0;
}

void ProgressRecorder::marked(int index, const std::u16string& line, const std::u16string& question,
                              quiz::Marking marking, bool hinted, memory::MarkingRecord& record)
{
    if (!inRound_ || marking == quiz::Marking::None)
        return;
    marked_ = true;
    const auto mark = marking == quiz::Marking::Correct
                          ? (hinted ? memory::Mark::CorrectAfterHint : memory::Mark::Correct)
                      : marking == quiz::Marking::Wrong ? memory::Mark::Wrong
                                                        : memory::Mark::Clock;
    const std::int64_t key = memory::question_key(question);
    const std::int64_t lineKey = memory::question_key(line);
    // A line that stands twice in the list is one question: missed once, reviewed once.
    if (mark != memory::Mark::Correct && mark != memory::Mark::CorrectAfterHint && !missedKeys_.contains(lineKey)) {
        missedKeys_.insert(lineKey);
        missedLines_.emplace(index, line);
        record.missed = {{index, line}};
    }
    if (const auto rating = marks_.mark(key, mark)) {
        const std::int64_t ms = nowMs();
        record.review = memory::MarkingRecord::Review{question, *rating, ms, memory::local_day(ms / 1000)};
    }
}

void ProgressRecorder::writeMarking(memory::MarkingRecord record, const quiz::RoundState& state, bool ended)
{
    if (!inRound_)
        return;
    const std::int64_t ms = nowMs();
    record.round.list_key = listKey_;
    record.round.started_ms = startedMs_;
    record.round.updated_ms = ms;
    record.round.tallies = state.tallies;
    record.round.current = state.cur_index;
    record.round.last = state.last_index;
    record.round.question_hints = state.question_hints;
    record.round.round_hints = state.round_hints;
    if (ended) {
        inRound_ = false;
        record.ended = roundRecord(state, ms);
    }
    write([&](memory::ReviewStore& store) { store.record_marking(record); });
}

void ProgressRecorder::roundFinished(const quiz::RoundState& state)
{
    writeMarking(memory::MarkingRecord{}, state, true);
}

void ProgressRecorder::keepRound(const memory::OpenRound& round)
{
    if (!inRound_)
        return;
    write([&](memory::ReviewStore& store) { store.keep_round(round, std::nullopt); });
}

void ProgressRecorder::hintGiven(const quiz::RoundState& state)
{
    if (!inRound_)
        return;
    memory::OpenRound round;
    round.list_key = listKey_;
    round.started_ms = startedMs_;
    round.question_hints = state.question_hints;
    round.round_hints = state.round_hints;
    write([&](memory::ReviewStore& store) { store.keep_hints(round); });
}

std::optional<memory::OpenRound> ProgressRecorder::keptRound()
{
    if (!store_)
        return std::nullopt;
    auto kept = store_->open_round();
    tellDroppedRound();
    return kept;
}

void ProgressRecorder::dropKeptRound()
{
    write([](memory::ReviewStore& store) { store.clear_open_round(); });
    errors_.show(progressTexts().keptRoundDropped.in(language_.current()));
}

void ProgressRecorder::tellDroppedRound()
{
    if (store_ && store_->dropped_kept_round())
        errors_.show(progressTexts().keptRoundDropped.in(language_.current()));
}

}  // namespace lernwerk
