#pragma once

#include <QObject>

#include <functional>

#include "lang/interface_language.h"
#include "quiz/round.h"
#include "trainer/round_speech.h"

namespace lernwerk {

class ListsPage;
class PageControl;
class Speaker;
class StatisticsPage;
class StatusBar;
class TrainerPage;

// Presents the question round: the round engine's one view. What a step shows
// goes to the trainer page, the phase and the result line to the status bar,
// the log to the statistics page, and each step to a screen reader. A round
// brings the trainer page to the front; its end brings the lists page, where
// the next round starts.
class RoundPresenter : public QObject, public quiz::RoundView {
    Q_OBJECT
public:
    struct Parts {
        const InterfaceLanguage& language;
        TrainerPage& trainer;
        StatusBar& statusBar;
        StatisticsPage& log;
        ListsPage& lists;
        PageControl& pages;
        Speaker& speaker;
    };

    RoundPresenter(Parts parts, QObject* parent);

    // The round's keys press the trainer's buttons anywhere in `window`;
    // pressed while no round runs, they say so. Enter, where no text field or
    // button takes it, means "Richtig".
    void takeRoundKeysIn(QWidget& window);
    // Where the round's state is read, to tell a continued round from a new one.
    void setRoundState(std::function<const quiz::RoundState&()> state) { state_ = std::move(state); }
    // What is said after a round's final result line: when the next reviews fall due.
    void setClosingWords(std::function<QString()> words) { closingWords_ = std::move(words); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The round has come to its end; the lists page is in front.
    void ended();

private:
    const quiz::RoundTexts& texts() const override;
    std::u16string timestamp() const override;
    std::u16string list_name() const override;
    void round_started() override;
    void set_phase(std::u16string_view text) override;
    void set_result(std::u16string_view text) override;
    void append_log(std::u16string_view line) override;
    void clear_fields() override;
    void show_question(std::u16string_view text) override;
    void show_solution(std::u16string_view text) override;
    void show_hint(std::u16string_view text, std::u16string_view revealed) override;
    void hints_used_up() override;
    void round_ended() override;

    Parts parts_;
    RoundSpeech speech_;
    std::function<const quiz::RoundState&()> state_;
    std::function<QString()> closingWords_;
    // The hint on its way shows the last letter: said with it, and no further hint until the next question.
    bool lastHint_ = false;
};

}  // namespace lernwerk
