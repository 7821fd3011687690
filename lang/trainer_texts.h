#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The trainer page's texts.
struct TrainerTexts {
    Text tab;
    Text correct;
    Text wrong;
    Text clock;
    Text solve;
    Text hint;
    // Settings: "Correct" after a hint counts as "Wrong".
    Text hintCountsWrong;
    // Said when a hint showed more of a gap: "%1" is what shows of it.
    Text hintSaid;
    // Every letter of the question on display shows: no hint is left.
    Text allLettersShown;
    // Settings > Gaps: how a round asks the gaps of a line.
    Text gapsMenu;
    Text gapsAllAtOnce;
    Text gapsOneOthersShown;
    Text gapsOneAfterAnother;
    Text questionHeading;
    Text answerHeading;
    Text solutionHeading;
    // What the three fields hold before the first round.
    Text questionField;
    Text answerField;
    Text solutionField;
};
const TrainerTexts& trainerTexts();

// The statistics page's texts.
struct StatisticsTexts {
    Text tab;
    Text heading;
};
const StatisticsTexts& statisticsTexts();

}  // namespace lernwerk
