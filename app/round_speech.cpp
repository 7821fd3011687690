#include "app/round_speech.h"

#include "widgets/speaker.h"

namespace lernwerk {

void RoundSpeech::resultShown(const QString& resultLine)
{
    QString step;
    if (!ending_.isEmpty())
        step = ending_ + QLatin1Char(' ') + resultLine;
    else if (starting_)
        step = question_;
    else
        step = resultLine + QStringLiteral(". ") + question_;
    starting_ = false;
    question_.clear();
    ending_.clear();
    if (!step.isEmpty())
        speaker_.say(step);
}

void RoundSpeech::solutionShown(const QString& solution) { speaker_.say(solution); }

}  // namespace lernwerk
