#pragma once

#include <QString>

#include <optional>

#include "lang/interface_language.h"
#include "memory/day_outlook.h"
#include "memory/review_store.h"

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

// When a day after `today` is, as the next-review sentence says it: tomorrow,
// in 2 to 7 days, then its date.
QString whenText(memory::Day day, memory::Day today, Language language);

// "Next review: tomorrow, 5 questions." or that none is scheduled.
QString nextReviewText(const memory::DayOutlook& outlook, memory::Day today, Language language);

// The trainer page's line: due today, new, and the key; with nothing to do
// today, the next review after it.
QString glanceText(const memory::DayOutlook& outlook, memory::Day today, const QString& key, Language language);

// A line's memory: new, or its reviews, the last mark with its date and the
// day it falls due.
QString historyText(const std::optional<memory::QuestionMemory>& memory, const std::optional<memory::LastReview>& last,
                    memory::Day today, Language language);

// A day of the learner's calendar as a short date ("3.12.", "Dec 3"); with
// the year when it is not the year of `today`.
QString shortDate(memory::Day day, memory::Day today, Language language);

}  // namespace lernwerk
