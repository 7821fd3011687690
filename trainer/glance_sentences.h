#pragma once

#include <QString>

#include <optional>

#include "lang/interface_language.h"
#include "memory/day_outlook.h"
#include "memory/review_store.h"

// The sentences of the day at a glance, in the interface language: when the
// next reviews are, the trainer page's line, a line's history. The words are
// the glance's table (lang/glance_texts.h); the grammar that puts them
// together (how many, which day, which date) is here.

namespace lernwerk {

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
