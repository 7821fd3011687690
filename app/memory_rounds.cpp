#include "app/memory_rounds.h"

#include <QAction>
#include <QDateTime>
#include <QTimer>

#include "app/progress_recorder.h"
#include "lang/progress_texts.h"
#include "memory/round_choice.h"
#include "textfile/text_lines.h"

namespace lernwerk {

namespace {

// Typing in a long list is not slowed down by counting after every key.
constexpr int kRecountPauseMs = 400;

memory::Day today() { return memory::local_day(QDateTime::currentSecsSinceEpoch()); }

}  // namespace

MemoryRounds::MemoryRounds(ProgressRecorder& progress, quiz::QuestionList& list, quiz::Round& wholeList,
                           quiz::RoundView& view, const InterfaceLanguage& language, QWidget* window)
    : QObject(window),
      progress_(progress),
      list_(list),
      wholeList_(wholeList),
      view_(view),
      language_(language),
      chosen_(std::make_unique<quiz::Round>(chosenQuestions_, chosenStatus_, view)),
      recount_(new QTimer(this)),
      sdMissed(window, {.name = "sdMissed",
                        .filter = QStringLiteral("Fragenlisten (*.txt)"),
                        .save = true,
                        .defaultSuffix = QStringLiteral("txt"),
                        .offeredFile = QStringLiteral("Verpasst.txt")})
{
    recount_->setSingleShot(true);
    recount_->setInterval(kRecountPauseMs);
    connect(recount_, &QTimer::timeout, this, &MemoryRounds::refresh);
}

MemoryRounds::~MemoryRounds() = default;

void MemoryRounds::setActions(Actions actions)
{
    actions_ = actions;
    refresh();
}

void MemoryRounds::wholeListStarted()
{
    chosenActive_ = false;
    progress_.roundStarted(view_.list_name());
    updateMissedEntries();
}

void MemoryRounds::mark(quiz::Marking marking)
{
    quiz::Round& round = active();
    const int shown = round.state().last_index;
    if (chosenActive_) {
        if (shown >= 0 && shown < static_cast<int>(chosenLines_.size()))
            progress_.marked(chosenLines_[static_cast<std::size_t>(shown)], chosenQuestions_.line(shown), marking);
    } else {
        progress_.marked(shown, list_.line(shown), marking);
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
    const int count = list_.count();
    for (int i = 0; i < count; ++i) {
        std::u16string text = list_.line(i);
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

void MemoryRounds::startDue() { startChosen(dueLines(true)); }

void MemoryRounds::startMissed()
{
    const auto& missed = progress_.missedLines();
    startChosen(Lines(missed.begin(), missed.end()));
}

void MemoryRounds::saveMissed()
{
    const auto& missed = progress_.missedLines();
    if (missed.empty())
        return;
    const QString fileName = sdMissed.choose();
    if (fileName.isEmpty())
        return;
    std::u16string text;
    for (const auto& [index, line] : missed) {
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    textfile::SaveTextLines(text, fileName.toStdU16String(), textfile::kUtf8);
}

void MemoryRounds::refresh()
{
    recount_->stop();
    // Counting never opens the file: it is opened after the window shows.
    dueCount_ = static_cast<int>(dueLines(false).size());
    retranslate(language_.current());
    updateMissedEntries();
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

}  // namespace lernwerk
