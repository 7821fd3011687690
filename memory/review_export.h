#pragma once

#include <cstdint>
#include <string>

namespace memory {

class ReviewStore;

// The learner's review history in the CSV layout the FSRS optimizers read, so
// that the learner can fit a schedule with their tools or move the history to
// another trainer: one row per review, a question standing as one card.
//
//   card_id,review_time,review_rating,review_state,review_duration
//
// card_id is the question's key, review_time the time in milliseconds since
// 1970 (UTC), review_rating 1 (Again) to 4 (Easy). review_state is the card's
// state before the review as those tools number it: 0 (New) for a question's
// first review and 2 (Review) for every later one, as the program schedules
// without learning steps. The program does not time answers: review_duration
// is 0 on every row, which the tools take as "not known".
struct ExportedReviews {
    std::string csv;
    std::int64_t reviews = 0;
    std::int64_t questions = 0;
};

// Throws a StoreError when the log cannot be read.
ExportedReviews fsrs_review_csv(const ReviewStore& store);

}  // namespace memory
