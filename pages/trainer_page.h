#pragma once

#include <QKeySequence>
#include <QWidget>

#include <array>
#include <utility>
#include <vector>

#include "lang/interface_language.h"
#include "pages/round_button.h"
#include "quiz/round.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lernwerk {

class AnswerMarks;

// The trainer page `tb1`: question, answer and solution, and the buttons that
// reveal and mark. It shows what the round's presenter gives it and reports
// which button the learner pressed.
class TrainerPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFieldLeft = 16;
    static constexpr int kFieldRight = 8;

    // The page with a button for each of the round's commands.
    explicit TrainerPage(std::vector<RoundButton> buttons, QWidget* parent = nullptr);

    void retranslate(Language language);
    // Places the fields and buttons for a page of this size; the main window
    // also calls it while the page is hidden, which gets no resize events.
    void layoutFor(int width, int height);

    // The three fields whose font and colour the settings menu changes.
    std::array<QPlainTextEdit*, 3> questionFields() const { return {question_, answer_, solution_}; }
    // Each button with the key that presses it from anywhere in the window,
    // also from the answer field.
    std::vector<std::pair<QKeySequence, QPushButton*>> buttonKeys() const;
    // The button Enter presses outside a text field ("Richtig"), when it can be pressed; none without one.
    QPushButton* enterButton() const { return enterButton_; }
    // True while a round runs: its buttons can be pressed.
    bool roundRunning() const;
    // The Hint button can be pressed while a round runs, unless every letter shows.
    void setHintEnabled(bool on);

    // Whether revealing marks the gaps against the typed answer.
    AnswerMarks& answerMarks() const { return *marks_; }

    // What a round shows.
    // The buttons and fields become usable, and the cursor waits in the
    // answer field, where the keys of the round work too.
    void startRound();
    void clearFields();
    void showQuestion(const QString& question);
    // The line with its gaps; the gaps are marked against the typed answer.
    void showSolution(std::u16string_view line, Language language, std::optional<int> gap = std::nullopt);
    QString question() const;
    QString solution() const;
    // How the typed answer stood to the gaps ("2 of 3 gaps as typed"), empty when it was not held against them.
    QString answerCheck() const;
    // The buttons are disabled, the fields emptied and disabled.
    void endRound();

    // The day at a glance beside the question's heading: due today, new, the key.
    void showGlance(const QString& text);

signals:
    // The button of the command at `index` of the page's buttons was pressed.
    void commandPressed(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeGlance();

    QLabel* questionHeading_;
    QLabel* glance_;
    QLabel* answerHeading_;
    QLabel* solutionHeading_;
    QPlainTextEdit* question_;
    QPlainTextEdit* answer_;
    QPlainTextEdit* solution_;
    std::vector<RoundButton> buttonRows_;
    // The buttons in the order of `buttonRows_`.
    std::vector<QPushButton*> buttons_;
    QPushButton* correct_;
    QPushButton* enterButton_ = nullptr;
    AnswerMarks* marks_;
};

}  // namespace lernwerk
