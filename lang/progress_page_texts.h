#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The progress page: its tab, menu entry, plot titles and the texts beside the plots.
struct ProgressPageTexts {
    Text tab;
    Text reviewsTitle;
    Text dueTitle;
    Text statesTitle;
    Text right;
    Text wrong;
    Text due;
    Text fresh;
    Text learning;
    Text known;
    Text questions;
    // "%1" reviews, "%2" percent right the first time; the singular when %1 is 1.
    Text reviewsSummary;
    Text oneReviewSummary;
    Text noReviews;
    // "%1" questions due in the next 14 days, "%2" of them today (or overdue);
    // the singular when %1 is 1.
    Text dueSummary;
    Text oneDueSummary;
    // "%1" new, "%2" learning, "%3" known.
    Text statesSummary;
};
const ProgressPageTexts& progressPageTexts();

}  // namespace lernwerk
