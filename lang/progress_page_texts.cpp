#include "lang/progress_page_texts.h"

namespace lernwerk {

const ProgressPageTexts& progressPageTexts()
{
    static const ProgressPageTexts texts{
        .tab = {QStringLiteral("Fortschritt"), QStringLiteral("Progress")},
        .reviewsTitle = {QStringLiteral("Wiederholungen dieser Liste, letzte 30 Tage"),
                         QStringLiteral("Reviews of this list, last 30 days")},
        .dueTitle = {QStringLiteral("Fällig aus dieser Liste, nächste 14 Tage"),
                     QStringLiteral("Due from this list, next 14 days")},
        .statesTitle = {QStringLiteral("Fragen dieser Liste nach Stand"),
                        QStringLiteral("Questions of this list by state")},
        .right = {QStringLiteral("Beim ersten Mal richtig"), QStringLiteral("Right first time")},
        .wrong = {QStringLiteral("Falsch"), QStringLiteral("Wrong")},
        .due = {QStringLiteral("Fällig"), QStringLiteral("Due")},
        .newToday = {QStringLiteral("Neu für heute"), QStringLiteral("New for today")},
        .fresh = {QStringLiteral("Neu"), QStringLiteral("New")},
        .learning = {QStringLiteral("Im Lernen"), QStringLiteral("Learning")},
        .known = {QStringLiteral("Gekonnt"), QStringLiteral("Known")},
        .questions = {QStringLiteral("Fragen"), QStringLiteral("Questions")},
        .today = {QStringLiteral("heute"), QStringLiteral("today")},
        .dateFormat = {QStringLiteral("d. MMM"), QStringLiteral("d MMM")},
        .oneReview = {QStringLiteral(u"1\u00A0Wiederholung"), QStringLiteral(u"1\u00A0review")},
        .reviews = {QStringLiteral(u"%1\u00A0Wiederholungen"), QStringLiteral(u"%1\u00A0reviews")},
        .oneQuestion = {QStringLiteral(u"1\u00A0Frage"), QStringLiteral(u"1\u00A0question")},
        .questionCount = {QStringLiteral(u"%1\u00A0Fragen"), QStringLiteral(u"%1\u00A0questions")},
        .oneNewQuestion = {QStringLiteral(u"1\u00A0neue Frage"), QStringLiteral(u"1\u00A0new question")},
        .newQuestions = {QStringLiteral(u"%1\u00A0neue Fragen"), QStringLiteral(u"%1\u00A0new questions")},
        .reviewsSummary = {QStringLiteral(u"Diese Liste, letzte 30\u00A0Tage: %1, %2\u00A0% beim ersten Mal richtig."),
                           QStringLiteral(u"This list, last 30\u00A0days: %1, %2\u00A0% right the first time.")},
        .noReviews = {QStringLiteral(u"Diese Liste, letzte 30\u00A0Tage: keine Wiederholungen."),
                      QStringLiteral(u"This list, last 30\u00A0days: no reviews.")},
        .allListsReviews = {QStringLiteral(u" Alle Listen: %1."), QStringLiteral(u" All lists: %1.")},
        .dueSummary = {QStringLiteral(u"Diese Liste, nächste 14\u00A0Tage: %1 fällig (heute: %2)."),
                       QStringLiteral(u"This list, next 14\u00A0days: %1 due (today: %2).")},
        .newTodaySummary = {QStringLiteral(u" „Fällige Fragen üben“ nimmt heute dazu %1."),
                            QStringLiteral(u" “Review Due Questions” also takes %1 today.")},
        .statesSummary = {QStringLiteral(u"Diese Liste, %4: %1\u00A0neu, %2\u00A0im Lernen, %3\u00A0gekonnt."),
                          QStringLiteral(u"This list, %4: %1\u00A0new, %2\u00A0learning, %3\u00A0known.")},
        .plotsMissing = {QStringLiteral("Die Diagramme lassen sich nicht laden (%1). Die Sätze nennen die Zahlen."),
                         QStringLiteral("The plots cannot be loaded (%1). The sentences give the figures.")},
    };
    return texts;
}

}  // namespace lernwerk
