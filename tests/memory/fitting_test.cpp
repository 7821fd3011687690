#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "memory/fitting.h"

namespace {

using memory::FitItem;
using memory::LoggedReview;
using memory::Rating;
using memory::Scheduler;

TEST(FitItems, OneForEveryReviewADayOrMoreAfterTheOneBefore)
{
    // Question 1 on days 0, 0, 3, 3 and 10; question 2 once.
    const std::vector<LoggedReview> log = {
        {1, 100, 0, Rating::Good}, {1, 200, 0, Rating::Again},  {1, 300, 3, Rating::Good},
        {1, 400, 3, Rating::Hard}, {1, 500, 10, Rating::Again}, {2, 150, 0, Rating::Easy},
    };
    const auto items = memory::fit_items(log);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].history.size(), 2u);  // both reviews of day 0
    EXPECT_EQ(items[0].history[1].elapsed_days, 0);
    EXPECT_EQ(items[0].elapsed_days, 3);
    EXPECT_TRUE(items[0].remembered);
    EXPECT_EQ(items[1].history.size(), 4u);
    EXPECT_EQ(items[1].elapsed_days, 7);
    EXPECT_FALSE(items[1].remembered);
    EXPECT_EQ(items[0].weight, 0.25);  // the earliest
    EXPECT_EQ(items[1].weight, 1.0);   // the latest
}

// A learner whose memory follows FSRS-6 with parameters of their own, reviewing
// about when the default schedule asks, sometimes sooner or later.
std::vector<LoggedReview> simulated_log(const Scheduler::Parameters& truth, int questions, std::uint64_t seed)
{
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> chance(0, 1);
    const Scheduler schedule;
    std::vector<LoggedReview> log;
    for (int q = 0; q < questions; ++q) {
        FitItem so_far;
        const double first = chance(random);
        Rating rating = first < 0.2   ? Rating::Again
                        : first < 0.3 ? Rating::Hard
                        : first < 0.9 ? Rating::Good
                                      : Rating::Easy;
        std::optional<memory::MemoryState> state;
        memory::Day day = 0;
        for (int r = 0; r < 8; ++r) {
            const int elapsed = r == 0 ? 0 : so_far.elapsed_days;
            day += elapsed;
            log.push_back({q, static_cast<std::int64_t>(day) * 86400000, day, rating});
            const auto review = schedule.review(state, elapsed, rating);
            state = review.state;
            so_far.history.push_back({elapsed, rating});
            so_far.elapsed_days = std::max(1, static_cast<int>(review.interval_days * (0.5 + 1.5 * chance(random))));
            const bool remembered = chance(random) < memory::predicted_recall(so_far, truth);
            const double how = chance(random);
            rating = !remembered ? Rating::Again : how < 0.1 ? Rating::Hard : how < 0.9 ? Rating::Good : Rating::Easy;
        }
    }
    return log;
}

TEST(Fitting, FindsParametersThatPredictAnotherLearnerBetterThanTheDefaults)
{
    Scheduler::Parameters truth = Scheduler::kDefaultParameters;
    for (int i = 0; i < 4; ++i)
        truth[i] *= 3;  // remembers new questions longer
    truth[8] += 0.4;    // and gains more from each recall
    truth[20] = 0.3;    // forgetting sooner once past the stability
    // Fitted on one set of questions, judged on another.
    const auto training = memory::fit_items(simulated_log(truth, 800, 1));
    const auto judged = memory::fit_items(simulated_log(truth, 400, 2));
    const auto fit = memory::fit_parameters(training);
    ASSERT_TRUE(fit.fitted && fit.fully);
    EXPECT_EQ(fit.items, training.size());
    EXPECT_EQ(memory::clipped(fit.parameters), fit.parameters);
    const double before = memory::log_loss(judged, Scheduler::kDefaultParameters);
    const double after = memory::log_loss(judged, fit.parameters);
    // As good on new questions as the learner's own parameters, and better than the defaults.
    const double best = memory::log_loss(judged, truth);
    EXPECT_LT(after, before) << "defaults " << before << ", fitted " << after;
    EXPECT_LT(after, best * 1.002) << "the learner's own " << best << ", fitted " << after;
    EXPECT_LT(memory::log_loss(training, fit.parameters), memory::log_loss(training, Scheduler::kDefaultParameters));
}

TEST(Fitting, FewItemsFitLittleOrNothing)
{
    Scheduler::Parameters truth = Scheduler::kDefaultParameters;
    truth[2] *= 4;
    // 7 items: nothing is fitted; 35: only the stabilities after a first answer.
    for (const int questions : {1, 5}) {
        const auto items = memory::fit_items(simulated_log(truth, questions, 3));
        const auto fit = memory::fit_parameters(items);
        SCOPED_TRACE(items.size());
        EXPECT_EQ(fit.fitted, items.size() >= memory::kFewestFitItems);
        EXPECT_FALSE(fit.fully);
        for (std::size_t i = 4; i < fit.parameters.size(); ++i)
            EXPECT_EQ(fit.parameters[i], Scheduler::kDefaultParameters[i]) << "w" << i;
        for (std::size_t i = 0; i + 1 < 4; ++i)
            EXPECT_LE(fit.parameters[i], fit.parameters[i + 1]) << "w" << i;
    }
}

TEST(Fitting, TheGradientIsTheSlopeOfTheLoss)
{
    const auto items = memory::fit_items(simulated_log(Scheduler::kDefaultParameters, 30, 4));
    Scheduler::Parameters w = Scheduler::kDefaultParameters;
    w[17] = 0.6;  // so that the same-day terms have slopes too
    w[18] = 0.4;
    const auto [loss, gradient] = memory::log_loss_gradient(items, w);
    EXPECT_DOUBLE_EQ(loss, memory::log_loss(items, w));
    for (std::size_t i = 0; i < w.size(); ++i) {
        const double h = 1e-6 * std::max(1.0, w[i]);
        auto up = w;
        auto down = w;
        up[i] += h;
        down[i] -= h;
        const double slope = (memory::log_loss(items, up) - memory::log_loss(items, down)) / (2 * h);
        EXPECT_NEAR(gradient[i], slope, 1e-5 + 1e-3 * std::abs(slope)) << "w" << i;
    }
}

}  // namespace
