#include "lang/trainer_texts.h"

namespace lernwerk {

const TrainerTexts& trainerTexts()
{
    static const TrainerTexts texts{
        .tab = {QStringLiteral("Lernwerk"), QStringLiteral("Drillbook")},
        .correct = {QStringLiteral("Richtig"), QStringLiteral("Correct")},
        .wrong = {QStringLiteral("Falsch"), QStringLiteral("Wrong")},
        .clock = {QStringLiteral("Zurückstellen"), QStringLiteral("Clock")},
        .solve = {QStringLiteral("Auflösen"), QStringLiteral("Solve")},
        .hint = {QStringLiteral("Tipp"), QStringLiteral("Hint")},
        .hintCountsWrong = {QStringLiteral("Tipp als Fehler zählen"), QStringLiteral("Count a Hint as Wrong")},
        .hintSaid = {QStringLiteral("Tipp: %1"), QStringLiteral("Hint: %1")},
        .allLettersShown = {QStringLiteral("Alle Buchstaben sind gezeigt."), QStringLiteral("Every letter is shown.")},
        .gapsMenu = {QStringLiteral("Lücken"), QStringLiteral("Gaps")},
        .gapsAllAtOnce = {QStringLiteral("Alle zugleich"), QStringLiteral("All at Once")},
        .gapsOneOthersShown = {QStringLiteral("Eine, die anderen sichtbar"), QStringLiteral("One, Others Shown")},
        .gapsOneAfterAnother = {QStringLiteral("Eine nach der anderen"), QStringLiteral("One after Another")},
        .questionHeading = {QStringLiteral("Frage"), QStringLiteral("Question")},
        .answerHeading = {QStringLiteral("Antwort"), QStringLiteral("Answer")},
        .solutionHeading = {QStringLiteral("Lösung"), QStringLiteral("Solution")},
        .questionField = {QStringLiteral("Frage\n"
                                         "> Erste Schritte:\n"
                                         "> Programm > Neue Fragerunde, um zu starten.\n"
                                         "> Fragen ändern unter Fragenkatalog.\n"
                                         "> Mehr in der Einführung.\n"
                                         "> Viel Spaß!"),
                          QStringLiteral("Question\n"
                                         "> First Setps:\n"
                                         "> File > New Question Session, to Start.\n"
                                         "> Questionnaire for other Questions.\n"
                                         "> More in the Introduction.\n"
                                         "> Have Fun!")},
        .answerField = {QStringLiteral("Antwort"), QStringLiteral("Answer")},
        .solutionField = {QStringLiteral("Lösung"), QStringLiteral("Solution")},
    };
    return texts;
}

const StatisticsTexts& statisticsTexts()
{
    static const StatisticsTexts texts{
        .tab = {QStringLiteral("Statistik"), QStringLiteral("Statistics")},
        .heading = {QStringLiteral("Statistik"), QStringLiteral("Statistics")},
    };
    return texts;
}

}  // namespace lernwerk
