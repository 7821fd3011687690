#include "trainer/round_speech.h"

#include "desktop/speaker.h"

namespace lernwerk {

void RoundSpeech::resultShown(const QString& resultLine)
{
    QString step;
    if (!ending_.isEmpty()) {
        step = ending_ + QLatin1Char(' ') + resultLine;
        if (!nextReview_.isEmpty())
            step += QStringLiteral(". ") + nextReview_;
    } else if (starting_)
        step = question_;
    else
        step = resultLine + QStringLiteral(". ") + question_;
    starting_ = false;
    question_.clear();
    ending_.clear();
    nextReview_.clear();
    if (!step.isEmpty())
        speaker_.say(step);
}

void RoundSpeech::solutionShown(const QString& solution, const QString& answerCheck)
{
    if (answerCheck.isEmpty()) {
        speaker_.say(solution);
        return;
    }
    // One message, so that the summary cannot cut the solution off.
    const bool closed = solution.endsWith(QLatin1Char('.')) || solution.endsWith(QLatin1Char('!')) ||
                        solution.endsWith(QLatin1Char('?'));
    speaker_.say(solution + (closed ? QStringLiteral(" ") : QStringLiteral(". ")) + answerCheck);
}

}  // namespace lernwerk
