#pragma once

#include <QString>

#include "lang/interface_language.h"

namespace lernwerk {

// The day at a glance and when to come back: the trainer page's line, the
// sentence on the next reviews, and what a question's history looks like.
struct GlanceTexts {
    // "%1" due today, "%2" new ones, "%3" the key of "Review Due".
    Text dueToday;
    // "%1" when ("tomorrow", "in 3 days", "on 15 Dec"), "%2" how many questions.
    Text nextReview;
    Text noReviewPlanned;
    Text tomorrow;
    // "%1" days from today, two to a week.
    Text inDays;
    // "%1" a date.
    Text onDate;
    Text oneQuestion;
    // "%1" questions, two or more.
    Text questions;
    // "Review Due" has nothing to ask today.
    Text nothingDue;
    // "Repeat Missed" and "Save Missed As..." have nothing to take.
    Text nothingMissed;
    // "Continue Last Round" has no round of this list to continue.
    Text nothingToContinue;
    // A line of the question list: never reviewed.
    Text newQuestion;
    Text oneReview;
    // "%1" reviews, two or more.
    Text reviews;
    // "%1" the reviews, "%2" the last mark, "%3" its date, "%4" when it falls due; the full stop is added.
    Text history;
    // "%1" the reviews, "%2" when it falls due: no mark of its last review is kept.
    Text historyWithoutMark;
    // "%1" a date.
    Text dueOn;
    Text dueNow;
    Text markedCorrect;
    Text markedWrong;
};
const GlanceTexts& glanceTexts();

}  // namespace lernwerk
