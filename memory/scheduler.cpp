#include "memory/scheduler.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace memory {

namespace {

constexpr double kMinStability = 1e-3;
constexpr double kMaxStability = 36500;
constexpr int kMaxIntervalDays = 36500;

// Rounds half up (towards positive infinity), like JavaScript's Math.round,
// which the reference rounds with; std::round rounds -0.5 the other way.
double round_half_up(double value)
{
    const double floor = std::floor(value);
    return value - floor >= 0.5 ? floor + 1 : floor;
}

double round8(double value) { return round_half_up(value * 1e8) / 1e8; }

double grade(Rating rating) { return static_cast<double>(static_cast<int>(rating)); }

}  // namespace

const Scheduler::Parameters Scheduler::kDefaultParameters = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                                             0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                                             1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

Scheduler::Scheduler(double desired_retention, const Parameters& parameters) : w_(parameters)
{
    if (!(desired_retention > 0 && desired_retention <= 1))
        throw std::invalid_argument("the desired retention must lie in (0, 1]");
    decay_ = -w_[20];
    factor_ = round8(std::exp(std::log(0.9) / decay_) - 1);
    interval_modifier_ = round8((std::pow(desired_retention, 1 / decay_) - 1) / factor_);
}

double Scheduler::retrievability(double elapsed_days, double stability) const
{
    return round8(std::pow(1 + factor_ * elapsed_days / stability, decay_));
}

double Scheduler::initial_difficulty(Rating rating) const
{
    return round8(w_[4] - std::exp((grade(rating) - 1) * w_[5]) + 1);
}

double Scheduler::next_difficulty(double difficulty, Rating rating) const
{
    const double delta = -w_[6] * (grade(rating) - 3);
    // Linear damping: the closer to 10, the smaller the step up.
    const double next = difficulty + round8(delta * (10 - difficulty) / 9);
    // Mean reversion towards the difficulty of a first "Easy".
    const double reverted = round8(w_[7] * initial_difficulty(Rating::Easy) + (1 - w_[7]) * next);
    return std::clamp(reverted, 1.0, 10.0);
}

MemoryState Scheduler::next_state(const std::optional<MemoryState>& before, Rating rating, double recall) const
{
    if (!before)
        return {std::max(w_[static_cast<int>(rating) - 1], 0.1), std::clamp(initial_difficulty(rating), 1.0, 10.0)};
    const double s = before->stability;
    const double d = before->difficulty;
    double stability = 0;
    if (rating == Rating::Again) {
        const double after_fail = round8(
            std::clamp(w_[11] * std::pow(d, -w_[12]) * (std::pow(s + 1, w_[13]) - 1) * std::exp((1 - recall) * w_[14]),
                       kMinStability, kMaxStability));
        // Without short-term steps a lapse never raises the stability.
        stability = std::clamp(round8(s), kMinStability, after_fail);
    } else {
        const double hard_penalty = rating == Rating::Hard ? w_[15] : 1;
        const double easy_bonus = rating == Rating::Easy ? w_[16] : 1;
        stability = round8(std::clamp(s * (1 + std::exp(w_[8]) * (11 - d) * std::pow(s, -w_[9]) *
                                                   (std::exp((1 - recall) * w_[10]) - 1) * hard_penalty * easy_bonus),
                                      kMinStability, kMaxStability));
    }
    return {stability, next_difficulty(d, rating)};
}

int Scheduler::interval(double stability) const
{
    const double days = round_half_up(stability * interval_modifier_);
    if (!std::isfinite(days))
        return days > 0 ? kMaxIntervalDays : 1;
    return static_cast<int>(std::clamp(days, 1.0, static_cast<double>(kMaxIntervalDays)));
}

Review Scheduler::review(const std::optional<MemoryState>& before, int elapsed_days, Rating rating) const
{
    if (elapsed_days < 0)
        throw std::invalid_argument("a review cannot come before the one it follows");
    // The first review counts as one on its own day.
    const int days = before ? elapsed_days : 0;
    // A state no review gives (a stability of 0 or less, a value that is no
    // number) is taken as the smallest there is, so that no result is NaN.
    std::optional<MemoryState> known = before;
    if (known) {
        if (!std::isfinite(known->stability) || known->stability < kMinStability)
            known->stability = kMinStability;
        if (!std::isfinite(known->difficulty))
            known->difficulty = 10;
        known->difficulty = std::clamp(known->difficulty, 1.0, 10.0);
    }
    const double recall = known ? retrievability(days, known->stability) : 1;

    // The four answers are scheduled together and their intervals kept apart:
    // Again no later than Hard, then each better answer at least a day later.
    std::array<int, 4> intervals{};
    std::array<MemoryState, 4> states{};
    for (int g = 1; g <= 4; ++g) {
        states[g - 1] = next_state(known, static_cast<Rating>(g), recall);
        intervals[g - 1] = interval(states[g - 1].stability);
    }
    intervals[0] = std::min(intervals[0], intervals[1]);
    intervals[1] = std::max(intervals[1], intervals[0] + 1);
    intervals[2] = std::max(intervals[2], intervals[1] + 1);
    intervals[3] = std::max(intervals[3], intervals[2] + 1);

    const int index = static_cast<int>(rating) - 1;
    return {states[index], intervals[index]};
}

}  // namespace memory
