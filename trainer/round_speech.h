#pragma once

#include <QString>

namespace lernwerk {

class Speaker;

// What a screen reader hears of a question round. The round's presenter tells it
// what each step of the round showed; once the step is complete it is said in
// one piece, so that nothing of a step is said twice and the tallies of one
// step never cut off the question of the next:
// - a new round: its first question; a continued one: its result line, then
//   the question;
// - a marking: the result line, then the next question;
// - the end: the closing phase and the final result line, then when the next
//   reviews fall due;
// - the solution, as soon as it shows, then how the typed answer stood to its
//   gaps when it was held against them.
class RoundSpeech {
public:
    explicit RoundSpeech(Speaker& speaker) : speaker_(speaker) {}

    // `continued`: a round left earlier goes on, with its tallies.
    void roundStarted(bool continued = false) { starting_ = !continued; }
    void questionShown(const QString& question) { question_ = question; }
    // `nextReview` is said after the final result line ("Next review: tomorrow, 5 questions.").
    void roundEnded(const QString& phase, const QString& nextReview = {})
    {
        ending_ = phase;
        nextReview_ = nextReview;
    }
    // The result line closes every step of a round: the step is said now.
    void resultShown(const QString& resultLine);
    // `answerCheck` is the summary of the typed answer against the gaps
    // ("2 of 3 gaps as typed, 1 nearly"), empty when there is none.
    void solutionShown(const QString& solution, const QString& answerCheck);

private:
    Speaker& speaker_;
    bool starting_ = false;
    QString question_;
    QString ending_;
    QString nextReview_;
};

}  // namespace lernwerk
