#include "lang/progress_page_texts.h"

namespace lernwerk {

const ProgressPageTexts& progressPageTexts()
{
    static const ProgressPageTexts texts{
        .tab = {QStringLiteral("Fortschritt"), QStringLiteral("Progress")},
        .reviewsTitle = {QStringLiteral("Wiederholungen der letzten 30 Tage"),
                         QStringLiteral("Reviews of the last 30 days")},
        .dueTitle = {QStringLiteral("Fällige Fragen der nächsten 14 Tage"),
                     QStringLiteral("Questions due in the next 14 days")},
        .statesTitle = {QStringLiteral("Fragen dieser Liste"), QStringLiteral("Questions of this list")},
        .right = {QStringLiteral("Beim ersten Mal richtig"), QStringLiteral("Right first time")},
        .wrong = {QStringLiteral("Falsch"), QStringLiteral("Wrong")},
        .due = {QStringLiteral("Fällig"), QStringLiteral("Due")},
        .fresh = {QStringLiteral("Neu"), QStringLiteral("New")},
        .learning = {QStringLiteral("Im Lernen"), QStringLiteral("Learning")},
        .known = {QStringLiteral("Gekonnt"), QStringLiteral("Known")},
        .questions = {QStringLiteral("Fragen"), QStringLiteral("Questions")},
        .reviewsSummary = {QStringLiteral("Letzte 30 Tage: %1 Wiederholungen, %2 % beim ersten Mal richtig"),
                           QStringLiteral("Last 30 days: %1 reviews, %2 % right first time")},
        .oneReviewSummary = {QStringLiteral("Letzte 30 Tage: %1 Wiederholung, %2 % beim ersten Mal richtig"),
                             QStringLiteral("Last 30 days: %1 review, %2 % right first time")},
        .noReviews = {QStringLiteral("Letzte 30 Tage: keine Wiederholungen"),
                      QStringLiteral("Last 30 days: no reviews")},
        .dueSummary = {QStringLiteral("Nächste 14 Tage: %1 Fragen fällig, %2 davon heute"),
                       QStringLiteral("Next 14 days: %1 questions due, %2 of them today")},
        .oneDueSummary = {QStringLiteral("Nächste 14 Tage: %1 Frage fällig, %2 davon heute"),
                          QStringLiteral("Next 14 days: %1 question due, %2 of it today")},
        .statesSummary = {QStringLiteral("Diese Liste: %1 neu, %2 im Lernen, %3 gekonnt"),
                          QStringLiteral("This list: %1 new, %2 learning, %3 known")},
    };
    return texts;
}

}  // namespace lernwerk
