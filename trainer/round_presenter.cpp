#include "trainer/round_presenter.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>

#include "desktop/speaker.h"
#include "desktop/timestamp.h"
#include "lang/round_texts.h"
#include "lang/speech_texts.h"
#include "lang/trainer_texts.h"
#include "pages/lists_page.h"
#include "pages/spoken_question.h"
#include "pages/statistics_page.h"
#include "pages/trainer_page.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"

namespace lernwerk {

namespace {

QString fromView(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RoundPresenter::RoundPresenter(Parts parts, QObject* parent) : QObject(parent), parts_(parts), speech_(parts.speaker) {}

void RoundPresenter::takeRoundKeysIn(QWidget& window)
{
    for (const auto& [keys, button] : parts_.trainer.buttonKeys()) {
        auto* shortcut = new QShortcut(keys, &window);
        connect(shortcut, &QShortcut::activated, button, [this, keys = keys, button = button] {
            if (button->isEnabled()) {
                button->click();
                return;
            }
            // In a round only the hint can be used up.
            const Language language = parts_.language.current();
            parts_.speaker.say(parts_.trainer.roundRunning()
                                   ? trainerTexts().allLettersShown.in(language)
                                   : speechTexts().noRound.in(language).arg(keys.toString(QKeySequence::NativeText)));
        });
    }
    window.installEventFilter(this);
}

bool RoundPresenter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!enter || key->modifiers() & ~Qt::KeypadModifier)
        return QObject::eventFilter(watched, event);
    // A focused button takes Enter for itself; anywhere else but in a text
    // field, which keeps Enter, it means "Richtig" when that can be pressed.
    if (auto* focused = qobject_cast<QPushButton*>(static_cast<QWidget*>(watched)->focusWidget())) {
        if (focused->isEnabled())
            focused->click();
        return true;
    }
    QPushButton* pressed = parts_.trainer.enterButton();
    if (pressed && pressed->isVisible() && pressed->isEnabled())
        pressed->click();
    return true;
}

const quiz::RoundTexts& RoundPresenter::texts() const { return roundTexts(parts_.language.current()); }

std::u16string RoundPresenter::timestamp() const
{
    return logTimestamp(QDateTime::currentDateTime(), QLocale::system()).toStdU16String();
}

std::u16string RoundPresenter::list_name() const { return parts_.lists.listName().toStdU16String(); }

void RoundPresenter::round_started()
{
    parts_.pages.selectPage(&parts_.trainer);
    parts_.trainer.startRound();
    // A new round starts with no trial counted; a continued one with its own.
    speech_.roundStarted(state_ && state_().tallies.trials >= 0);
}

void RoundPresenter::set_phase(std::u16string_view text)
{
    parts_.statusBar.setPanelText(StatusBar::kPhasePanel, fromView(text));
}

void RoundPresenter::set_result(std::u16string_view text)
{
    parts_.statusBar.setPanelText(StatusBar::kResultPanel, fromView(text));
    speech_.resultShown(fromView(text));
}

void RoundPresenter::append_log(std::u16string_view line) { parts_.log.appendLog(fromView(line)); }

void RoundPresenter::clear_fields() { parts_.trainer.clearFields(); }

void RoundPresenter::show_question(std::u16string_view text)
{
    parts_.trainer.setHintEnabled(!lastHint_);
    lastHint_ = false;
    parts_.trainer.showQuestion(fromView(text));
    const QString gapWord = speechTexts().gap.in(parts_.language.current());
    // Said from the line's gaps as far as they show; the field's text only where no round tells them.
    speech_.questionShown(state_
                              ? spokenQuestion(quiz::question_pieces(state_().asked_line, state_().shown_gaps), gapWord)
                              : spokenQuestion(parts_.trainer.question(), gapWord));
}

void RoundPresenter::show_hint(std::u16string_view text, std::u16string_view revealed)
{
    parts_.trainer.showQuestion(fromView(text));
    const Language language = parts_.language.current();
    QString said = trainerTexts().hintSaid.in(language).arg(fromView(revealed));
    if (std::exchange(lastHint_, false))
        said += QLatin1Char(' ') + trainerTexts().allLettersShown.in(language);
    parts_.speaker.say(said);
}

void RoundPresenter::hints_used_up()
{
    lastHint_ = true;
    parts_.trainer.setHintEnabled(false);
}

void RoundPresenter::show_solution(std::u16string_view text)
{
    // A question of one gap holds the typed answer against that gap alone.
    parts_.trainer.showSolution(text, parts_.language.current(), state_ ? state_().asked_gap : std::nullopt);
    speech_.solutionShown(spokenSolution(parts_.trainer.solution()), parts_.trainer.answerCheck());
}

void RoundPresenter::round_ended()
{
    parts_.trainer.endRound();
    // First recorded, so that the closing words count the last marking too.
    emit ended();
    speech_.roundEnded(parts_.statusBar.panelText(StatusBar::kPhasePanel), closingWords_ ? closingWords_() : QString());
    // The learner goes on from "Neue Runde..".
    parts_.pages.setPageVisible(&parts_.lists, true);
    parts_.pages.selectPage(&parts_.lists);
    parts_.lists.focusNewSession();
}

}  // namespace lernwerk
