#pragma once

#include <QKeySequence>
#include <QWidget>

#include <array>
#include <functional>

#include "app/round_speech.h"
#include "lang/interface_language.h"
#include "quiz/round.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lernwerk {

class AnswerMarks;
class Speaker;
class StatisticsPage;
class StatusBar;

// The trainer page `tb1`: question, answer and solution, and the buttons that
// reveal and mark. It is what a question round shows: the round writes its
// phase and result into the status bar and its log into the statistics page.
class TrainerPage : public QWidget, public quiz::RoundView {
    Q_OBJECT
public:
    static constexpr int kFieldLeft = 16;
    static constexpr int kFieldRight = 8;

    // `listName` tells the name of the list the round is asked from; what a
    // step of the round shows is told to a screen reader through `speaker`.
    TrainerPage(const InterfaceLanguage& language, StatusBar& statusBar, StatisticsPage& log, Speaker& speaker,
                std::function<QString()> listName, QWidget* parent = nullptr);

    // Places the fields and buttons for a page of this size.
    void layoutFor(int width, int height);
    void retranslate(Language language);

    // The three fields whose font and colour the settings menu changes.
    std::array<QPlainTextEdit*, 3> questionFields() const { return {question_, answer_, solution_}; }
    // The keys that press the buttons from anywhere in the window, also from
    // the answer field.
    static inline const QKeySequence kSolveKey{Qt::CTRL | Qt::Key_Return};
    static inline const QKeySequence kCorrectKey{Qt::CTRL | Qt::Key_1};
    static inline const QKeySequence kWrongKey{Qt::CTRL | Qt::Key_2};
    static inline const QKeySequence kClockKey{Qt::CTRL | Qt::Key_3};

    // The round's keys work anywhere in `window`, the page's main window;
    // pressed while no round runs, they say so.
    void takeRoundKeysIn(QWidget& window);

    // Enter outside a text field presses "Richtig" when it can be pressed.
    QPushButton* correctButton() const { return correct_; }

    // Whether revealing marks the gaps against the typed answer.
    AnswerMarks& answerMarks() const { return *marks_; }

signals:
    void solveClicked();
    void markClicked(quiz::Marking marking);
    // The round wants the page in front.
    void showRequested();
    // The round has ended and the page's controls are disabled: the keyboard
    // focus has to go where the user can go on.
    void finished();

private:
    // quiz::RoundView
    quiz::Language language() const override;
    std::u16string timestamp() const override;
    std::u16string list_name() const override;
    void enable_trainer() override;
    void show_trainer_page() override;
    void set_phase(std::u16string_view text) override;
    void set_result(std::u16string_view text) override;
    void append_log(std::u16string_view line) override;
    void clear_fields() override;
    void show_question(std::u16string_view text) override;
    void show_solution(std::u16string_view text) override;
    void finish_trainer() override;

    void addShortcut(QWidget& window, const QKeySequence& keys, QPushButton* button);

    const InterfaceLanguage& language_;
    StatusBar& statusBar_;
    StatisticsPage& log_;
    std::function<QString()> listName_;
    Speaker& speaker_;
    RoundSpeech speech_;

    QLabel* questionHeading_;
    QLabel* answerHeading_;
    QLabel* solutionHeading_;
    QPlainTextEdit* question_;
    QPlainTextEdit* answer_;
    QPlainTextEdit* solution_;
    QPushButton* solve_;
    QPushButton* correct_;
    QPushButton* wrong_;
    QPushButton* clock_;
    AnswerMarks* marks_;
};

}  // namespace lernwerk
