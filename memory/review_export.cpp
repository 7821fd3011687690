#include "memory/review_export.h"

#include <optional>

#include "memory/review_store.h"

namespace memory {

namespace {

constexpr int kStateNew = 0;
constexpr int kStateReview = 2;

}  // namespace

ExportedReviews fsrs_review_csv(const ReviewStore& store)
{
    ExportedReviews exported;
    exported.csv = "card_id,review_time,review_rating,review_state,review_duration\n";
    std::optional<std::int64_t> last_question;
    store.each_review([&](const LoggedReview& review) {
        const bool first = review.question != last_question;
        if (first)
            ++exported.questions;
        last_question = review.question;
        ++exported.reviews;
        exported.csv += std::to_string(review.question) + ',' + std::to_string(review.time_ms) + ',' +
                        std::to_string(static_cast<int>(review.rating)) + ',' +
                        std::to_string(first ? kStateNew : kStateReview) + ",0\n";
    });
    return exported;
}

}  // namespace memory
