#include "app/memory_rounds.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTextBlock>
#include <QTimer>

#include "app/progress_recorder.h"
#include "desktop/last_list_files.h"
#include "lang/glance_texts.h"
#include "lang/lists_texts.h"
#include "lang/progress_texts.h"
#include "memory/kept_round.h"
#include "memory/list_questions.h"
#include "memory/question_key.h"
#include "memory/round_choice.h"
#include "pages/lists_page.h"
#include "pages/progress_page.h"
#include "quiz/status_tally.h"
#include "textfile/file_names.h"
#include "textfile/text_lines.h"
#include "widgets/status_column.h"

namespace lernwerk {

namespace {

// Typing in a long list is not slowed down by counting after every key.
constexpr int kRecountPauseMs = 400;

}  // namespace

MemoryRounds::MemoryRounds(ProgressRecorder& progress, ListsPage& lists, quiz::RoundView& view,
                           const InterfaceLanguage& language, QWidget* window)
    : QObject(window),
      progress_(progress),
      listField_(*lists.questionField()),
      statusColumn_(*lists.statusField()),
      wholeList_(listField_, statusColumn_, view),
      statusField_(*lists.statusField()),
      view_(view),
      language_(language),
      chosen_(std::make_unique<quiz::Round>(chosenQuestions_, chosenStatus_, view)),
      recount_(new QTimer(this)),
      dialogs_(window, language)
{
    recount_->setSingleShot(true);
    recount_->setInterval(kRecountPauseMs);
    connect(recount_, &QTimer::timeout, this, &MemoryRounds::refresh);
    connect(lists.questionField(), &QPlainTextEdit::textChanged, this, &MemoryRounds::listChanged);
}

MemoryRounds::~MemoryRounds() = default;

void MemoryRounds::setActions(Actions actions)
{
    actions_ = actions;
    refresh();
}

quiz::Round& MemoryRounds::active()
{
    switch (active_) {
        case Active::Chosen:
            return *chosen_;
        case Active::GapWholeList:
            return *gapRound_;
        case Active::WholeList:
            break;
    }
    return wholeList_;
}

const quiz::Round& MemoryRounds::active() const { return const_cast<MemoryRounds*>(this)->active(); }

void MemoryRounds::makeGapRound(quiz::GapMode mode)
{
    gapRound_.reset();
    gapItems_ = std::make_unique<quiz::GapItems>(listField_, statusColumn_, mode);
    gapRound_ = std::make_unique<quiz::Round>(*gapItems_, *gapItems_, view_);
    gapRound_->set_hint_counts_wrong(hintCountsWrong_);
    active_ = Active::GapWholeList;
}

void MemoryRounds::startWholeList()
{
    if (gapMode_ == quiz::GapMode::AllAtOnce)
        active_ = Active::WholeList;
    else
        makeGapRound(gapMode_);
    beginRound();
    active().restart();
    progress_.writeMarking({}, active().state(), false);
    updateMissedEntries();
    refresh();
}

void MemoryRounds::beginRound()
{
    memory::OpenRound round = openRound(false);
    round.started_ms = QDateTime::currentMSecsSinceEpoch();
    round.updated_ms = round.started_ms;
    round.reviewed.clear();
    round.missed.clear();
    round.tallies = {};
    round.current = round.last = 0;
    switch (active_) {
        case Active::Chosen:
            round.tallies.questions = static_cast<std::int32_t>(chosenQuestions_.lines.size());
            break;
        case Active::GapWholeList:
            round.tallies.questions = gapItems_->count();
            break;
        case Active::WholeList: {
            // The round removes the empty lines when it starts, and every entry is "0" then.
            const auto lines = listLines();
            round.tallies.questions = static_cast<std::int32_t>(
                std::count_if(lines.begin(), lines.end(), [](const auto& l) { return !l.empty(); }));
            break;
        }
    }
    round.status_count = round.tallies.questions;
    round.status.clear();
    progress_.roundStarted(round);
}

void MemoryRounds::reveal() { active().reveal(); }

void MemoryRounds::hint()
{
    if (active().hint())
        progress_.hintGiven(active().state());
}

void MemoryRounds::setHintCountsWrong(bool on)
{
    hintCountsWrong_ = on;
    wholeList_.set_hint_counts_wrong(on);
    chosen_->set_hint_counts_wrong(on);
    if (gapRound_)
        gapRound_->set_hint_counts_wrong(on);
}

void MemoryRounds::mark(quiz::Marking marking)
{
    quiz::Round& round = active();
    // The question as it was asked: the list may have been edited since.
    const int shown = round.state().last_index;
    const std::u16string asked = round.state().asked_line;
    int listIndex = shown;
    if (active_ == Active::Chosen)
        listIndex = shown >= 0 && shown < static_cast<int>(chosenLines_.size())
                        ? chosenLines_[static_cast<std::size_t>(shown)]
                        : -1;
    else if (active_ == Active::GapWholeList)
        listIndex = gapItems_->line_of(shown);
    // A chosen line no longer in the list keeps its place after the list's lines.
    if (listIndex < 0)
        listIndex = listField_.count() + std::max(shown, 0);
    // A question of one gap is known by its line and the gap's number.
    const auto gap = round.state().asked_gap;
    const std::u16string question = gap ? quiz::gap_question(asked, *gap) : asked;
    memory::MarkingRecord record;
    // "Correct" after a hint: counted as "Wrong" when the learner chose so, else remembered as hard.
    const bool hinted = round.state().question_hints > 0;
    progress_.marked(listIndex, asked, question, round.counted(marking), hinted, record);
    countedDay_.reset();
    if (round.counted(marking) == quiz::Marking::Correct)
        record.status_entry = {{shown, std::u16string(quiz::kCorrectEntry)}};
    pendingMarking_ = std::move(record);
    stepping_ = true;
    endedInStep_ = false;
    round.step(marking);
    stepping_ = false;
    // When the step ended the round, the marking was written with its end already.
    if (pendingMarking_)
        progress_.writeMarking(std::move(*pendingMarking_), round.state(), false);
    pendingMarking_.reset();
    updateMissedEntries();
    if (endedInStep_)
        refresh();
}

void MemoryRounds::finished()
{
    if (stepping_) {
        // The marking that ended it is written with the end, before anything counts anew.
        endedInStep_ = true;
        if (pendingMarking_)
            progress_.writeMarking(std::move(*pendingMarking_), active().state(), true);
        pendingMarking_.reset();
        return;
    }
    progress_.roundFinished(active().state());
    refresh();
}

MemoryRounds::Questions MemoryRounds::listQuestions() const
{
    std::vector<std::pair<int, std::u16string>> lines;
    const int count = listField_.count();
    for (int i = 0; i < count; ++i)
        lines.emplace_back(i, listField_.line(i));
    return memory::list_questions(lines, gapMode_);
}

MemoryRounds::Questions MemoryRounds::dueQuestions()
{
    memory::ReviewStore* store = progress_.store();
    if (!store)
        return {};
    try {
        return memory::due_questions(*store, listQuestions(), memory::today());
    } catch (const memory::StoreError&) {
        return {};  // counted as none; the next write names the problem
    }
}

void MemoryRounds::startChosen(const Questions& questions)
{
    if (questions.empty())
        return;
    chosenQuestions_.lines.clear();
    chosenQuestions_.gaps.clear();
    chosenQuestions_.mode = gapMode_;
    chosenLines_.clear();
    for (const memory::ListQuestion& question : questions) {
        chosenLines_.push_back(question.index);
        chosenQuestions_.lines.push_back(question.line);
        chosenQuestions_.gaps.push_back(question.gap);
    }
    active_ = Active::Chosen;
    beginRound();
    chosen_->restart();
    progress_.writeMarking({}, chosen_->state(), false);
    updateMissedEntries();
    refresh();
}

void MemoryRounds::startDue()
{
    const Questions due = dueQuestions();
    if (due.empty()) {
        emit told(nothingDueSentence());
        return;
    }
    if (!mayReplaceRound())
        return;
    startChosen(due);
}

void MemoryRounds::startMissed()
{
    const auto& missed = progress_.missedLines();
    if (missed.empty()) {
        emit told(glanceTexts().nothingMissed.in(language_.current()));
        return;
    }
    if (!mayReplaceRound())
        return;
    // A copy, before the round about to begin clears the missed lines of the last one.
    startChosen(memory::list_questions({missed.begin(), missed.end()}, gapMode_));
}

bool MemoryRounds::mayReplaceRound()
{
    if (!progress_.inRound() || !progress_.anyMarked())
        return true;
    return dialogs_.confirmReplaceRound(QString::fromStdU16String(active().state().result_line));
}

QStringList MemoryRounds::keptFiles() const
{
    QStringList files = lernwerk::keptFiles(progress_.folder());
    const QString loaded = QString::fromStdU16String(view_.list_name());
    if (!loaded.isEmpty() && textfile::IsRegularFile(loaded.toStdU16String()))
        files << loaded;
    return files;
}

void MemoryRounds::saveMissed()
{
    const auto& missed = progress_.missedLines();
    if (missed.empty())
        return;
    const Language language = language_.current();
    const ProgressTexts& texts = progressTexts();
    const QFileInfo loaded(QString::fromStdU16String(view_.list_name()));
    const QString fileName = dialogs_.chooseMissedFile(loaded.isFile() ? loaded.absolutePath() : QDir::currentPath());
    if (fileName.isEmpty())
        return;

    // The missed lines never replace a list or a file the program keeps.
    const QString target = QFileInfo(fileName).absoluteFilePath();
    if (loaded.isFile() && isOneOf(target, {loaded.absoluteFilePath()}))
        throw std::runtime_error(texts.notOverList.in(language).arg(target).toStdString());
    if (isOneOf(target, keptFiles()))
        throw std::runtime_error(texts.notOverKept.in(language).arg(target).toStdString());
    if (QFileInfo::exists(target) && !dialogs_.confirmReplaceFile(target))
        return;

    std::u16string text;
    for (const auto& [index, line] : missed) {
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    textfile::SaveTextLines(text, fileName.toStdU16String(), textfile::kUtf8);
    emit told(
        texts.missedSaved.in(language).arg(static_cast<qsizetype>(missed.size())).arg(QFileInfo(fileName).fileName()));
}

std::vector<std::u16string> MemoryRounds::listLines() const
{
    std::vector<std::u16string> lines;
    const int count = listField_.count();
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines.push_back(listField_.line(i));
    return lines;
}

std::optional<memory::OpenRound> MemoryRounds::keptRoundForList()
{
    memory::ReviewStore* store = progress_.storeIfOpen();
    if (!store || progress_.inRound())
        return std::nullopt;
    try {
        auto kept = progress_.keptRound();
        if (!kept || kept->finished)
            return std::nullopt;
        const auto lines = listLines();
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
                if (!lines[i].empty())
                    numbered.emplace_back(static_cast<int>(i), lines[i]);
            questions = entries = static_cast<std::int32_t>(memory::list_questions(numbered, kept->gap_mode).size());
        }
        if (!memory::fits(*kept, questions, entries)) {
            progress_.dropKeptRound();
            return std::nullopt;
        }
        return kept;
    } catch (const memory::StoreError&) {
        return std::nullopt;
    }
}

void MemoryRounds::forgetList()
{
    std::vector<std::u16string> lines = listLines();
    std::erase(lines, std::u16string());
    memory::ReviewStore* store = progress_.store();
    if (!store || lines.empty())
        return;
    if (!dialogs_.confirmForget(static_cast<int>(lines.size())))
        return;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        // Each line's gaps asked one at a time were questions of their own.
        store->forget(memory::questions_to_forget(lines));
    } catch (const memory::StoreError& error) {
        throw std::runtime_error(storeFailureMessage(error, language_.current()).toStdString());
    }
    refresh();
}

void MemoryRounds::drawProgress(ProgressPage& page)
{
    // The questions as Review Due counts them: each once, its gaps alone when they are asked so.
    std::vector<std::u16string> questions;
    for (const memory::ListQuestion& question : listQuestions())
        questions.push_back(question.text);
    try {
        page.update(progress_.store(), questions, memory::today());
    } catch (const memory::StoreError& error) {
        page.update(nullptr, questions, memory::today());
        throw std::runtime_error(storeFailureMessage(error, language_.current()).toStdString());
    }
}

memory::OpenRound MemoryRounds::openRound(bool status) const
{
    const quiz::RoundState& state = active().state();
    memory::OpenRound round;
    const auto lines = listLines();
    round.list_key = memory::list_key(lines.data(), lines.size());
    round.list_name = view_.list_name();
    round.started_ms = progress_.roundStartedMs();
    round.updated_ms = QDateTime::currentMSecsSinceEpoch();
    round.tallies = state.tallies;
    round.current = state.cur_index;
    round.last = state.last_index;
    round.question_hints = state.question_hints;
    round.round_hints = state.round_hints;
    // The status of questions of one gap each: done or not.
    const auto itemStatus = [&round, status](const quiz::StatusTally& tally) {
        round.status_count = tally.size();
        if (status)
            for (int i = 0; i < tally.size(); ++i)
                if (tally.kind(i) == quiz::EntryKind::Correct)
                    round.status[i] = std::u16string(quiz::kCorrectEntry);
    };
    if (active_ == Active::Chosen) {
        round.gap_mode = chosenQuestions_.mode;
        for (std::size_t i = 0; i < chosenQuestions_.lines.size(); ++i) {
            const auto gap = chosenQuestions_.gap(static_cast<int>(i));
            round.chosen.push_back(gap ? quiz::gap_question(chosenQuestions_.lines[i], *gap)
                                       : chosenQuestions_.lines[i]);
        }
        itemStatus(chosenStatus_.column);
    } else if (active_ == Active::GapWholeList) {
        round.gap_mode = gapMode_;
        itemStatus(gapItems_->tally());
    } else if (status) {
        int place = 0;
        for (QTextBlock block = statusField_.document()->begin(); block.isValid(); block = block.next(), ++place)
            if (block.text() != QLatin1String("0"))
                round.status[place] = block.text().toStdU16String();
        round.status_count = place;
    }
    round.reviewed = progress_.marks().reviewed();
    round.missed = progress_.missedLines();
    return round;
}

void MemoryRounds::keepOpenRound(bool listSaved)
{
    if (!progress_.recording() || !progress_.inRound() || !progress_.storeIfOpen())
        return;
    // Written whole once more, for what the markings do not show (a status entry typed by hand).
    memory::OpenRound round = openRound(true);
    // Kept under the list as the next run finds it: edits not saved with the list are gone then.
    if (!listSaved)
        round.list_key = progress_.roundListKey();
    progress_.keepRound(round);
}

bool MemoryRounds::mayLoadOtherList()
{
    // Nothing marked yet: nothing to lose.
    if (!active().running() || active().state().tallies.trials <= 0)
        return true;
    return dialogs_.confirmEndRoundForList(QString::fromStdU16String(active().state().result_line));
}

void MemoryRounds::otherListLoading() { active().stop(); }

void MemoryRounds::continueRound()
{
    progress_.open();
    auto kept = keptRoundForList();
    if (!kept)
        return;
    quiz::RoundState state;
    state.tallies = kept->tallies;
    state.cur_index = kept->current;
    state.last_index = kept->last;
    state.question_hints = kept->question_hints;
    state.round_hints = kept->round_hints;
    progress_.roundResumed(*kept);
    if (kept->chosen.empty() && kept->gap_mode == quiz::GapMode::AllAtOnce) {
        active_ = Active::WholeList;
        // As when the round began: its status column stands beside the list without its empty lines.
        listField_.remove_empty_lines();
        QStringList entries;
        for (int i = 0; i < kept->status_count; ++i) {
            const auto entry = kept->status.find(i);
            entries << (entry == kept->status.end() ? QStringLiteral("0") : QString::fromStdU16String(entry->second));
        }
        statusField_.setPlainText(entries.join(QLatin1Char('\n')));
        wholeList_.resume(state);
    } else if (kept->chosen.empty()) {
        // The whole list, one gap each: the gaps done are marked again, and with them their lines.
        listField_.remove_empty_lines();
        makeGapRound(kept->gap_mode);
        gapItems_->reset(gapItems_->count());
        for (const auto& [place, entry] : kept->status)
            if (quiz::kind_of(entry) == quiz::EntryKind::Correct)
                gapItems_->mark_correct(place);
        gapRound_->resume(state);
    } else {
        active_ = Active::Chosen;
        // Each chosen line's place in the list, for the order of the missed lines.
        const auto lines = listLines();
        std::map<std::int64_t, int> places;
        for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
            places[memory::question_key(lines[static_cast<std::size_t>(i)])] = i;
        chosenQuestions_.lines.clear();
        chosenQuestions_.gaps.clear();
        chosenQuestions_.mode = kept->gap_mode;
        chosenLines_.clear();
        // A line no longer in the list (the file changed since the lines were missed) keeps
        // its place after the list's lines.
        int gone = static_cast<int>(lines.size());
        for (const auto& question : kept->chosen) {
            auto [line, gap] = quiz::split_gap_question(question);
            const auto place = places.find(memory::question_key(line));
            chosenLines_.push_back(place == places.end() ? gone++ : place->second);
            chosenQuestions_.lines.push_back(std::move(line));
            chosenQuestions_.gaps.push_back(gap);
        }
        chosenStatus_.column.reset(static_cast<int>(kept->chosen.size()));
        for (const auto& [place, entry] : kept->status)
            chosenStatus_.column.set(place, entry);
        chosen_->resume(state);
    }
    progress_.writeMarking({}, active().state(), false);
    refresh();
}

void MemoryRounds::refresh()
{
    recount_->stop();
    // Counting never opens the file: it is opened after the window shows.
    // "Review Due" asks the questions the glance counts for today.
    const memory::Day day = memory::today();
    counted_ = readOutlook(day);
    countedDay_ = day;
    dueCount_ = counted_ ? counted_->today_total() : 0;
    if (actions_.continueRound)
        actions_.continueRound->setEnabled(keptRoundForList().has_value());
    retranslate(language_.current());
    updateMissedEntries();
    emit countsChanged();
}

void MemoryRounds::listChanged()
{
    countedDay_.reset();
    recount_->start();
}

void MemoryRounds::retranslate(Language language)
{
    const ProgressTexts& texts = progressTexts();
    if (actions_.reviewDue) {
        actions_.reviewDue->setText(texts.reviewDueEntry.in(language).arg(dueCount_));
        actions_.reviewDue->setEnabled(dueCount_ > 0);
    }
}

void MemoryRounds::updateMissedEntries()
{
    const bool any = !progress_.missedLines().empty();
    for (QAction* action : {actions_.repeatMissed, actions_.saveMissed})
        if (action)
            action->setEnabled(any);
}

std::optional<memory::DayOutlook> MemoryRounds::outlook(memory::Day day)
{
    // Nothing counted means the store was not open: it may be now.
    if (!counted_ || countedDay_ != day) {
        counted_ = readOutlook(day);
        countedDay_ = day;
    }
    return counted_;
}

std::optional<memory::DayOutlook> MemoryRounds::readOutlook(memory::Day day) const
{
    memory::ReviewStore* store = progress_.storeIfOpen();
    if (!store)
        return std::nullopt;
    // The questions as Review Due counts them: each once, its gaps alone when they are asked so.
    std::vector<std::u16string> texts;
    for (const memory::ListQuestion& question : listQuestions())
        texts.push_back(question.text);
    try {
        return memory::day_outlook(store->lookup(texts), day);
    } catch (const memory::StoreError&) {
        return std::nullopt;  // the next write names the problem
    }
}

QString MemoryRounds::nextReviewSentence()
{
    const memory::Day day = memory::today();
    const auto seen = outlook(day);
    return seen ? nextReviewText(*seen, day, language_.current()) : QString();
}

QString MemoryRounds::nothingDueSentence()
{
    const QString nothing = glanceTexts().nothingDue.in(language_.current());
    const QString next = nextReviewSentence();
    return next.isEmpty() ? nothing : nothing + QLatin1Char(' ') + next;
}

QString MemoryRounds::lineHistory(const QString& line)
{
    memory::ReviewStore* store = progress_.storeIfOpen();
    if (!store || line.isEmpty())
        return {};
    // The line as Review Due asks it: whole, or each of its gaps alone.
    std::vector<std::u16string> questions;
    for (memory::ListQuestion& question : memory::list_questions({{0, line.toStdU16String()}}, gapMode_))
        questions.push_back(std::move(question.text));
    try {
        const auto found = store->lookup(questions);
        std::optional<memory::LastReview> last;
        for (std::size_t i = 0; i < questions.size(); ++i) {
            if (!found[i])
                continue;
            const auto review = store->last_review(questions[i]);
            if (review && (!last || review->day >= last->day))
                last = review;
        }
        return historyText(memory::line_memory(found), last, memory::today(), language_.current());
    } catch (const memory::StoreError&) {
        return {};
    }
}

}  // namespace lernwerk
