#pragma once

#include <array>
#include <optional>

namespace memory {

// How the learner answered a question, as the scheduler grades it. The trainer
// gives only Again ("Wrong") and Good ("Correct"); Hard and Easy are graded too,
// because the interval of Good is kept apart from theirs.
enum class Rating { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// What the scheduler knows of a question after a review.
struct MemoryState {
    double stability = 0;   // days until the chance of recall falls to 90 %
    double difficulty = 0;  // 1 (easy) to 10 (hard)
};

// The outcome of one review: the new state and the days until the next one.
struct Review {
    MemoryState state;
    int interval_days = 0;
};

// FSRS-6 with its published default parameters, without learning steps and
// without fuzz: every review is scheduled in whole days, at least one. All
// intermediate values are rounded to 8 decimals, as the reference
// implementation does, so the figures match it exactly, not just nearly.
class Scheduler {
public:
    static constexpr int kParameterCount = 21;
    using Parameters = std::array<double, kParameterCount>;
    static const Parameters kDefaultParameters;

    explicit Scheduler(double desired_retention = 0.9, const Parameters& parameters = kDefaultParameters);

    // The state after a review `elapsed_days` days after the one before, and
    // the interval to the next. `before` is empty for the first review.
    Review review(const std::optional<MemoryState>& before, int elapsed_days, Rating rating) const;

    // The chance of recall `elapsed_days` after a review that left `stability`.
    double retrievability(double elapsed_days, double stability) const;

private:
    MemoryState next_state(const std::optional<MemoryState>& before, Rating rating, double retrievability) const;
    int interval(double stability) const;
    double initial_difficulty(Rating rating) const;
    double next_difficulty(double difficulty, Rating rating) const;

    Parameters w_;
    double decay_;
    double factor_;
    double interval_modifier_;
};

}  // namespace memory
