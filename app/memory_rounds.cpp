#include "app/memory_rounds.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

#include "app/progress_page.h"
#include "app/progress_recorder.h"
#include "lang/glance_texts.h"
#include "lang/lists_texts.h"
#include "lang/progress_texts.h"
#include "lists/lists_page.h"
#include "memory/question_key.h"
#include "memory/round_choice.h"
#include "textfile/text_lines.h"
#include "widgets/last_list_files.h"
#include "widgets/status_column.h"

namespace lernwerk {

namespace {

// Typing in a long list is not slowed down by counting after every key.
constexpr int kRecountPauseMs = 400;

memory::Day today() { return memory::local_day(QDateTime::currentSecsSinceEpoch()); }

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
      recount_(new QTimer(this))
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

void MemoryRounds::startWholeList()
{
    chosenActive_ = false;
    progress_.roundStarted(view_.list_name());
    updateMissedEntries();
    wholeList_.restart();
}

void MemoryRounds::reveal() { active().reveal(); }

void MemoryRounds::mark(quiz::Marking marking)
{
    quiz::Round& round = active();
    const int shown = round.state().last_index;
    if (chosenActive_) {
        if (shown >= 0 && shown < static_cast<int>(chosenLines_.size()))
            progress_.marked(chosenLines_[static_cast<std::size_t>(shown)], chosenQuestions_.line(shown), marking);
    } else {
        progress_.marked(shown, listField_.line(shown), marking);
    }
    round.step(marking);
    updateMissedEntries();
}

void MemoryRounds::finished()
{
    progress_.roundFinished(active().state());
    refresh();
}

MemoryRounds::Lines MemoryRounds::dueLines(bool openStore)
{
    memory::ReviewStore* store = openStore ? progress_.store() : progress_.storeIfOpen();
    if (!store)
        return {};
    Lines lines;
    std::vector<std::u16string> texts;
    const int count = listField_.count();
    for (int i = 0; i < count; ++i) {
        std::u16string text = listField_.line(i);
        if (text.empty())
            continue;
        lines.emplace_back(i, text);
        texts.push_back(std::move(text));
    }
    memory::DueChoice choice;
    try {
        choice = memory::choose_due(store->lookup(texts), today());
    } catch (const memory::StoreError&) {
        return {};  // counted as none; the next write names the problem
    }
    Lines chosen;
    for (const int index : choice.indices())
        chosen.push_back(std::move(lines[static_cast<std::size_t>(index)]));
    return chosen;
}

void MemoryRounds::startChosen(const Lines& lines)
{
    if (lines.empty())
        return;
    chosenQuestions_.lines.clear();
    chosenLines_.clear();
    for (const auto& [index, text] : lines) {
        chosenLines_.push_back(index);
        chosenQuestions_.lines.push_back(text);
    }
    chosenActive_ = true;
    progress_.roundStarted(view_.list_name());
    chosen_->restart();
    updateMissedEntries();
}

void MemoryRounds::startDue()
{
    const Lines due = dueLines(true);
    if (due.empty()) {
        emit told(nothingDueSentence());
        return;
    }
    startChosen(due);
}

void MemoryRounds::startMissed()
{
    const auto& missed = progress_.missedLines();
    if (missed.empty()) {
        emit told(glanceTexts().nothingMissed.in(language_.current()));
        return;
    }
    startChosen(Lines(missed.begin(), missed.end()));
}

void MemoryRounds::saveMissed()
{
    const auto& missed = progress_.missedLines();
    if (missed.empty())
        return;
    const Language language = language_.current();
    const ProgressTexts& texts = progressTexts();
    const QFileInfo loaded(QString::fromStdU16String(view_.list_name()));
    if (!missedFileDialog_) {
        missedFileDialog_ = new QFileDialog(qobject_cast<QWidget*>(parent()));
        missedFileDialog_->setObjectName(QStringLiteral("sdMissed"));
        missedFileDialog_->setOption(QFileDialog::DontUseNativeDialog);
        missedFileDialog_->setAcceptMode(QFileDialog::AcceptSave);
        missedFileDialog_->setNameFilter(kQuestionListFilter);
        missedFileDialog_->setDefaultSuffix(QStringLiteral("txt"));
        // Asked below, once it is clear that the file is no question list.
        missedFileDialog_->setOption(QFileDialog::DontConfirmOverwrite);
        missedFileDialog_->setDirectory(loaded.isFile() ? loaded.absolutePath() : QDir::currentPath());
    }
    // A name no file has yet, so that the default never replaces anything.
    const QDir folder = missedFileDialog_->directory();
    const QString base = texts.missedFileName.in(language);
    QString offered = base + QStringLiteral(".txt");
    for (int n = 2; folder.exists(offered); ++n)
        offered = base + QLatin1Char(' ') + QString::number(n) + QStringLiteral(".txt");
    missedFileDialog_->selectFile(offered);
    if (missedFileDialog_->exec() != QDialog::Accepted || missedFileDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = missedFileDialog_->selectedFiles().first();

    // The missed lines never replace a list: the loaded one or a last-list file.
    const QString target = QFileInfo(fileName).absoluteFilePath();
    QStringList lists;
    if (loaded.isFile())
        lists << loaded.absoluteFilePath();
    for (const Language each : quiz::kLanguages)
        lists << QFileInfo(progress_.folder() + lastListFileName(each)).absoluteFilePath();
    for (const QString& list : lists)
        if (QFileInfo(list).exists() ? QFileInfo(list).canonicalFilePath() == QFileInfo(target).canonicalFilePath()
                                     : list == target)
            throw std::runtime_error(texts.notOverList.in(language).arg(target).toStdString());
    if (QFileInfo::exists(target) &&
        QMessageBox::question(missedFileDialog_->parentWidget(), missedFileDialog_->parentWidget()->windowTitle(),
                              texts.replaceQuestion.in(language).arg(target), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;

    std::u16string text;
    for (const auto& [index, line] : missed) {
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    textfile::SaveTextLines(text, fileName.toStdU16String(), textfile::kUtf8);
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

std::optional<memory::SavedRound> MemoryRounds::keptRoundForList()
{
    memory::ReviewStore* store = progress_.storeIfOpen();
    if (!store)
        return std::nullopt;
    try {
        auto kept = store->open_round();
        const auto lines = listLines();
        if (!kept || kept->list_key != memory::list_key(lines.data(), lines.size()))
            return std::nullopt;
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
    auto* window = qobject_cast<QWidget*>(parent());
    const auto answer = QMessageBox::question(
        window, window->windowTitle(),
        progressTexts().forgetQuestion.in(language_.current()).arg(static_cast<qsizetype>(lines.size())),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    try {
        store->forget(lines);
    } catch (const memory::StoreError& error) {
        throw std::runtime_error(storeFailureMessage(error, language_.current()).toStdString());
    }
    refresh();
}

void MemoryRounds::drawProgress(ProgressPage& page)
{
    std::vector<std::u16string> lines = listLines();
    std::erase(lines, std::u16string());
    try {
        page.update(progress_.store(), lines, today());
    } catch (const memory::StoreError& error) {
        page.update(nullptr, lines, today());
        throw std::runtime_error(storeFailureMessage(error, language_.current()).toStdString());
    }
}

void MemoryRounds::keepOpenRound()
{
    if (!progress_.recording() || !progress_.inRound())
        return;
    memory::ReviewStore* store = progress_.store();
    if (!store)
        return;
    const quiz::RoundState& state = active().state();
    memory::SavedRound kept;
    const auto lines = listLines();
    kept.list_key = memory::list_key(lines.data(), lines.size());
    kept.list_name = view_.list_name();
    kept.started_ms = progress_.roundStartedMs();
    if (chosenActive_) {
        kept.chosen.assign(chosenLines_.begin(), chosenLines_.end());
        for (int i = 0; i < chosenStatus_.column.size(); ++i)
            kept.status.push_back(chosenStatus_.column.kind(i) == quiz::EntryKind::Correct
                                      ? std::u16string(quiz::kCorrectEntry)
                                      : std::u16string(quiz::kOpenEntry));
    } else {
        for (QTextBlock block = statusField_.document()->begin(); block.isValid(); block = block.next())
            kept.status.push_back(block.text().toStdU16String());
    }
    kept.questions = state.n_questions;
    kept.current = state.cur_index;
    kept.last = state.last_index;
    kept.correct = state.n_correct;
    kept.wrong = state.n_wrong;
    kept.clocked = state.n_clocked;
    kept.trials = state.n_trials;
    const auto& reviewed = progress_.marks().reviewed();
    kept.marked.assign(reviewed.begin(), reviewed.end());
    for (const auto& entry : progress_.missedLines())
        kept.missed.push_back(entry.first);
    try {
        store->save_open_round(kept);
    } catch (const memory::StoreError&) {
        // Closing goes on; the round is not kept.
    }
}

void MemoryRounds::continueRound()
{
    progress_.open();
    auto kept = keptRoundForList();
    if (!kept)
        return;
    const auto lines = listLines();
    auto lineAt = [&lines](int index) {
        return index >= 0 && index < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(index)]
                                                                    : std::u16string();
    };
    std::map<int, std::u16string> missed;
    for (const int index : kept->missed)
        missed.emplace(index, lineAt(index));
    quiz::RoundState state;
    state.n_questions = kept->questions;
    state.cur_index = kept->current;
    state.last_index = kept->last;
    state.n_correct = kept->correct;
    state.n_wrong = kept->wrong;
    state.n_clocked = kept->clocked;
    state.n_trials = kept->trials;
    progress_.roundResumed(kept->list_name, kept->started_ms, kept->marked, std::move(missed));
    if (kept->chosen.empty()) {
        chosenActive_ = false;
        QStringList entries;
        for (const auto& entry : kept->status)
            entries << QString::fromStdU16String(entry);
        statusField_.setPlainText(entries.join(QLatin1Char('\n')));
        wholeList_.resume(state);
    } else {
        chosenActive_ = true;
        chosenLines_.assign(kept->chosen.begin(), kept->chosen.end());
        chosenQuestions_.lines.clear();
        for (const int index : chosenLines_)
            chosenQuestions_.lines.push_back(lineAt(index));
        chosenStatus_.column.reset(static_cast<int>(chosenLines_.size()));
        for (std::size_t i = 0; i < kept->status.size() && i < chosenLines_.size(); ++i)
            chosenStatus_.column.set(static_cast<int>(i), kept->status[i]);
        chosen_->resume(state);
    }
    progress_.store()->clear_open_round();
    refresh();
}

void MemoryRounds::refresh()
{
    recount_->stop();
    // Counting never opens the file: it is opened after the window shows.
    dueCount_ = static_cast<int>(dueLines(false).size());
    if (actions_.continueRound)
        actions_.continueRound->setEnabled(keptRoundForList().has_value());
    retranslate(language_.current());
    updateMissedEntries();
    emit countsChanged();
}

void MemoryRounds::listChanged() { recount_->start(); }

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
    memory::ReviewStore* store = progress_.storeIfOpen();
    if (!store)
        return std::nullopt;
    std::vector<std::u16string> lines = listLines();
    std::erase(lines, std::u16string());
    try {
        return memory::day_outlook(store->lookup(lines), day);
    } catch (const memory::StoreError&) {
        return std::nullopt;  // the next write names the problem
    }
}

QString MemoryRounds::nextReviewSentence()
{
    const memory::Day day = today();
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
    const std::u16string text = line.toStdU16String();
    try {
        const auto found = store->lookup({text});
        const auto last = found.front() ? store->last_review(text) : std::nullopt;
        return historyText(found.front(), last, today(), language_.current());
    } catch (const memory::StoreError&) {
        return {};
    }
}

}  // namespace lernwerk
