#pragma once

#include <cstdint>
#include <vector>

#include "memory/review_store.h"
#include "memory/scheduler.h"

namespace memory {

// A review as the fitting sees it: the days since the review before (0 for a
// question's first review) and the answer.
struct FitStep {
    int elapsed_days = 0;
    Rating rating = Rating::Good;
};

// One thing the memory model is asked to predict: after a question's reviews
// so far (`history`, from its first on), `elapsed_days` later, is it
// remembered? The fitting adjusts the parameters until the predicted chances
// of recall fit these answers best.
struct FitItem {
    std::vector<FitStep> history;
    int elapsed_days = 0;
    bool remembered = false;
    std::int64_t time_ms = 0;  // of the predicted review
    double weight = 1;         // later reviews weigh more
};

// The items of a review log given question by question, each question's
// reviews in their order (as ReviewStore::each_review gives them): one for
// every review after a question's first that falls at least a day after the
// review before, as the FSRS optimizers build them. Items are weighted by
// recency: the latest 1, the earliest 0.25, rising with the cube of their rank.
std::vector<FitItem> fit_items(const std::vector<LoggedReview>& log);

}  // namespace memory
