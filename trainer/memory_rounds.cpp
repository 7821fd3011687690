#include "trainer/memory_rounds.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTimer>

#include "desktop/last_list_files.h"
#include "lang/glance_texts.h"
#include "lang/lists_texts.h"
#include "lang/progress_texts.h"
#include "memory/list_questions.h"
#include "pages/lists_page.h"
#include "pages/progress_page.h"
#include "textfile/file_names.h"
#include "textfile/text_lines.h"
#include "trainer/glance_sentences.h"
#include "trainer/progress_recorder.h"
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
      session_(listField_, statusColumn_, view, progress),
      view_(view),
      language_(language),
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

void MemoryRounds::startWholeList()
{
    session_.start_whole_list();
    updateMissedEntries();
    refresh();
}

void MemoryRounds::hint() { session_.hint(); }

void MemoryRounds::mark(quiz::Marking marking)
{
    countedDay_.reset();
    const bool ended = session_.mark(marking);
    updateMissedEntries();
    if (ended)
        refresh();
}

void MemoryRounds::finished()
{
    if (session_.ended())
        refresh();
}

void MemoryRounds::startChosen(const Questions& questions)
{
    if (questions.empty())
        return;
    session_.start_chosen(questions);
    updateMissedEntries();
    refresh();
}

void MemoryRounds::startDue()
{
    const Questions due = session_.due_questions();
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
    if (session_.missed().empty()) {
        emit told(glanceTexts().nothingMissed.in(language_.current()));
        return;
    }
    if (!mayReplaceRound())
        return;
    // Copies, before the round about to begin clears the missed lines of the last one.
    const Questions questions = session_.missed_questions();
    const QString list = QFileInfo(QString::fromStdU16String(session_.missed_list_name())).fileName();
    startChosen(questions);
    const ProgressTexts& texts = progressTexts();
    const Language language = language_.current();
    emit told(questions.size() == 1 ? texts.repeatingOneMissed.in(language).arg(list)
                                    : texts.repeatingMissed.in(language).arg(questions.size()).arg(list));
}

bool MemoryRounds::mayReplaceRound()
{
    if (!session_.has_markings())
        return true;
    return dialogs_.confirmReplaceRound(QString::fromStdU16String(active().state().result_line));
}

QString MemoryRounds::loadedList() const
{
    const QString loaded = QString::fromStdU16String(view_.list_name());
    return !loaded.isEmpty() && textfile::IsRegularFile(loaded.toStdU16String()) ? loaded : QString();
}

QString MemoryRounds::refusedTarget(const QString& target) const
{
    const ProgressTexts& texts = progressTexts();
    const Language language = language_.current();
    switch (forbiddenOverwrite(target, {loadedList()}, progress_.folder()).kind) {
        case Overwrite::Kind::List:
            return texts.notOverList.in(language).arg(target);
        case Overwrite::Kind::KeptFile:
            return texts.notOverKept.in(language).arg(target);
        case Overwrite::Kind::None:
            break;
    }
    return {};
}

void MemoryRounds::saveMissed()
{
    const auto& missed = session_.missed();
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
    if (const QString refused = refusedTarget(target); !refused.isEmpty())
        throw std::runtime_error(refused.toStdString());
    if (QFileInfo::exists(target) && !dialogs_.confirmReplaceFile(target))
        return;

    std::u16string text;
    for (const auto& [index, line] : missed) {
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    textfile::SaveTextLines(text, fileName.toStdU16String(), textfile::kUtf8);
    const QString file = QFileInfo(fileName).fileName();
    emit told(missed.size() == 1 ? texts.oneMissedSaved.in(language).arg(file)
                                 : texts.missedSaved.in(language).arg(static_cast<qsizetype>(missed.size())).arg(file));
}

void MemoryRounds::forgetList()
{
    std::vector<std::u16string> lines = session_.list_lines();
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
    const ProgressTexts& texts = progressTexts();
    const Language language = language_.current();
    emit told(lines.size() == 1 ? texts.oneForgotten.in(language)
                                : texts.forgotten.in(language).arg(static_cast<qsizetype>(lines.size())));
}

void MemoryRounds::drawProgress(ProgressPage& page)
{
    // The questions as Review Due counts them: each once, its gaps alone when they are asked so.
    std::vector<std::u16string> questions;
    for (const memory::ListQuestion& question : session_.list_questions())
        questions.push_back(question.text);
    try {
        page.update(progress_.store(), questions, memory::today());
    } catch (const memory::StoreError& error) {
        page.update(nullptr, questions, memory::today());
        throw std::runtime_error(storeFailureMessage(error, language_.current()).toStdString());
    }
}

void MemoryRounds::keepOpenRound(bool listSaved) { session_.keep(listSaved); }

bool MemoryRounds::mayLoadOtherList()
{
    // Nothing marked yet: nothing to lose.
    if (!session_.has_markings())
        return true;
    return dialogs_.confirmEndRoundForList(QString::fromStdU16String(active().state().result_line));
}

void MemoryRounds::otherListLoading() { session_.stop(); }

bool MemoryRounds::mayEndRoundForLanguage(bool& ended)
{
    ended = active().running();
    if (session_.has_markings() &&
        !dialogs_.confirmEndRoundForLanguage(QString::fromStdU16String(active().state().result_line)))
        return false;
    session_.stop();
    return true;
}

void MemoryRounds::continueRound()
{
    progress_.open();
    if (session_.continue_round())
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
        actions_.continueRound->setEnabled(session_.kept_round().has_value());
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
    const bool any = !session_.missed().empty();
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
    memory::ReviewStore* store = progress_.open_store();
    if (!store)
        return std::nullopt;
    // The questions as Review Due counts them: each once, its gaps alone when they are asked so.
    std::vector<std::u16string> texts;
    for (const memory::ListQuestion& question : session_.list_questions())
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
    memory::ReviewStore* store = progress_.open_store();
    if (!store || line.isEmpty())
        return {};
    // The line as Review Due asks it: whole, or each of its gaps alone.
    std::vector<std::u16string> questions;
    for (memory::ListQuestion& question : memory::list_questions({{0, line.toStdU16String()}}, session_.gap_mode()))
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
