#include "lang/glance_texts.h"

namespace lernwerk {

const GlanceTexts& glanceTexts()
{
    static const GlanceTexts texts{
        .dueToday = {QStringLiteral("Heute fällig: %1, neu: %2 — %3"), QStringLiteral("Due today: %1, new: %2 — %3")},
        .nextReview = {QStringLiteral("Nächste Wiederholung: %1, %2."), QStringLiteral("Next review: %1, %2.")},
        .noReviewPlanned = {QStringLiteral("Keine Wiederholung geplant."), QStringLiteral("No review is scheduled.")},
        .tomorrow = {QStringLiteral("morgen"), QStringLiteral("tomorrow")},
        .inDays = {QStringLiteral("in %1 Tagen"), QStringLiteral("in %1 days")},
        .onDate = {QStringLiteral("am %1"), QStringLiteral("on %1")},
        .oneQuestion = {QStringLiteral("1 Frage"), QStringLiteral("1 question")},
        .questions = {QStringLiteral("%1 Fragen"), QStringLiteral("%1 questions")},
        .nothingDue = {QStringLiteral("Heute ist nichts fällig."), QStringLiteral("Nothing is due today.")},
        .nothingMissed = {QStringLiteral("Keine verpassten Fragen."), QStringLiteral("No missed questions.")},
        .nothingToContinue = {QStringLiteral("Keine Runde dieser Liste zum Fortsetzen."),
                              QStringLiteral("No round of this list to continue.")},
        .newQuestion = {QStringLiteral("Neu, noch nicht wiederholt."), QStringLiteral("New, not reviewed yet.")},
        .oneReview = {QStringLiteral("1 Wiederholung"), QStringLiteral("1 review")},
        .reviews = {QStringLiteral("%1 Wiederholungen"), QStringLiteral("%1 reviews")},
        .history = {QStringLiteral("%1, zuletzt %2 am %3, %4"), QStringLiteral("%1, last %2 on %3, %4")},
        .historyWithoutMark = {QStringLiteral("%1, %2"), QStringLiteral("%1, %2")},
        .dueOn = {QStringLiteral("fällig am %1"), QStringLiteral("due on %1")},
        .dueNow = {QStringLiteral("heute fällig"), QStringLiteral("due today")},
        .markedCorrect = {QStringLiteral("Richtig"), QStringLiteral("Correct")},
        .markedWrong = {QStringLiteral("Falsch"), QStringLiteral("Wrong")},
    };
    return texts;
}

}  // namespace lernwerk
