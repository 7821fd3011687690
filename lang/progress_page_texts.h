#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The progress page: its tab, menu entry, plot titles and the texts beside the
// plots. A number and the word or sign after it are joined by a non-breaking
// space, so that a line never breaks between them.
struct ProgressPageTexts {
    Text tab;
    Text reviewsTitle;
    Text dueTitle;
    Text statesTitle;
    Text right;
    Text wrong;
    Text due;
    Text newToday;
    Text fresh;
    Text learning;
    Text known;
    Text questions;
    // Below the day axes: today, and the other days as dates (QDate::toString).
    Text today;
    Text dateFormat;
    // A count with its noun: "%1" is the count; the first when it is 1.
    Text oneReview;
    Text reviews;
    Text oneQuestion;
    Text questionCount;
    Text oneNewQuestion;
    Text newQuestions;
    // "%1" the reviews (oneReview/reviews), "%2" percent right the first time.
    Text reviewsSummary;
    Text noReviews;
    // Added when other lists' questions were reviewed too: "%1" all reviews.
    Text allListsReviews;
    // "%1" questions due in the next 14 days (oneQuestion/questionCount), "%2" of them today or overdue.
    Text dueSummary;
    // Added when a due round would take new questions today: "%1" (oneNewQuestion/newQuestions).
    Text newTodaySummary;
    // "%1" new, "%2" learning, "%3" known, "%4" all questions of the list (oneQuestion/questionCount).
    Text statesSummary;
    // Shown instead of the plots when their module cannot be loaded: "%1" why.
    Text plotsMissing;
};
const ProgressPageTexts& progressPageTexts();

}  // namespace lernwerk
