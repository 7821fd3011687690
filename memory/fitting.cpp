#include "memory/fitting.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <utility>

#include "memory/dual.h"
#include "memory/initial_stability.h"

namespace memory {

namespace {

constexpr double kMinStability = 0.001;
constexpr double kMaxStability = 36500;
// Predictions are kept this far from 0 and 1, so that no loss is infinite.
constexpr double kSurest = 1e-4;

// The range each parameter may take: the stabilities after a first answer, the
// difficulty's, the growth after a recall, the fall after a lapse, the same-day
// terms and the forgetting curve's decay.
constexpr std::array<std::pair<double, double>, Scheduler::kParameterCount> kRanges = {{
    {0.001, 100}, {0.001, 100},  {0.001, 100}, {0.001, 100},   // w0..w3
    {1, 10},      {0.001, 4},    {0.001, 4},   {0.001, 0.75},  // w4..w7
    {0, 4.5},     {0, 0.8},      {0.001, 3.5},                 // w8..w10
    {0.001, 5},   {0.001, 0.25}, {0.001, 0.9}, {0, 4},         // w11..w14
    {0, 1},       {1, 6},                                      // w15, w16
    {0, 2},       {0, 2},        {0, 0.8},                     // w17..w19
    {0.1, 0.8},                                                // w20
}};

// The same names for plain numbers as memory/dual.h gives dual ones, so that
// one model serves both.
double clamp(double x, double low, double high) { return std::clamp(x, low, high); }
double max(double a, double b) { return std::max(a, b); }
double min(double a, double b) { return std::min(a, b); }
using std::exp;
using std::log;
using std::pow;

template <typename T>
T initial_difficulty(const std::array<T, Scheduler::kParameterCount>& w, int grade)
{
    return w[4] - exp(w[5] * static_cast<double>(grade - 1)) + 1.0;
}

// FSRS-6 as the optimizers train it: no rounding, reviews on the same day by
// the short-term terms, a lapse never above the short-term floor.
template <typename T>
T recall_of(const FitItem& item, const std::array<T, Scheduler::kParameterCount>& w)
{
    const T decay = -w[20];
    const T factor = exp(std::log(0.9) / decay) - 1.0;
    const auto recall = [&](double days, const T& s) { return pow(1.0 + factor * days / s, decay); };

    const int first = static_cast<int>(item.history.front().rating);
    T s = clamp(w[static_cast<std::size_t>(first - 1)], kMinStability, kMaxStability);
    T d = clamp(initial_difficulty(w, first), 1, 10);
    for (std::size_t i = 1; i < item.history.size(); ++i) {
        const FitStep& step = item.history[i];
        const int grade = static_cast<int>(step.rating);
        T next;
        if (step.elapsed_days == 0) {
            T grow = exp(w[17] * (static_cast<double>(grade - 3) + w[18])) * pow(s, -w[19]);
            if (grade >= 3)
                grow = max(grow, T(1.0));
            next = s * grow;
        } else {
            const T r = recall(step.elapsed_days, s);
            if (step.rating == Rating::Again) {
                const T after = w[11] * pow(d, -w[12]) * (pow(s + 1.0, w[13]) - 1.0) * exp((1.0 - r) * w[14]);
                next = min(after, s / exp(w[17] * w[18]));
            } else {
                T gain = exp(w[8]) * (11.0 - d) * pow(s, -w[9]) * (exp((1.0 - r) * w[10]) - 1.0);
                if (step.rating == Rating::Hard)
                    gain = gain * w[15];
                if (step.rating == Rating::Easy)
                    gain = gain * w[16];
                next = s * (1.0 + gain);
            }
        }
        const T changed = d + (-w[6] * static_cast<double>(grade - 3)) * (10.0 - d) / 9.0;
        d = clamp(w[7] * initial_difficulty(w, 4) + (1.0 - w[7]) * changed, 1, 10);
        s = clamp(next, kMinStability, kMaxStability);
    }
    return clamp(recall(item.elapsed_days, s), kSurest, 1 - kSurest);
}

template <typename T>
T cross_entropy(const FitItem& item, const T& p)
{
    return item.remembered ? -log(p) : -log(1.0 - p);
}

// The weighted mean loss of `batch` and its gradient.
std::pair<double, Scheduler::Parameters> loss_and_gradient(const std::vector<FitItem>& items,
                                                           const std::vector<std::size_t>& batch,
                                                           const Scheduler::Parameters& w)
{
    std::array<Dual, Scheduler::kParameterCount> dual;
    for (int i = 0; i < Scheduler::kParameterCount; ++i)
        dual[static_cast<std::size_t>(i)] = Dual::variable(w[static_cast<std::size_t>(i)], i);
    Dual total(0.0);
    double weights = 0;
    for (const std::size_t index : batch) {
        const FitItem& item = items[index];
        total = total + cross_entropy(item, recall_of(item, dual)) * item.weight;
        weights += item.weight;
    }
    Scheduler::Parameters gradient{};
    if (weights <= 0)
        return {0, gradient};
    for (int i = 0; i < Scheduler::kParameterCount; ++i)
        gradient[static_cast<std::size_t>(i)] = total.slope[static_cast<std::size_t>(i)] / weights;
    return {total.value / weights, gradient};
}

}  // namespace

Scheduler::Parameters clipped(Scheduler::Parameters parameters)
{
    for (std::size_t i = 0; i < parameters.size(); ++i)
        parameters[i] = std::clamp(parameters[i], kRanges[i].first, kRanges[i].second);
    return parameters;
}

double predicted_recall(const FitItem& item, const Scheduler::Parameters& parameters)
{
    return recall_of(item, parameters);
}

double log_loss(const std::vector<FitItem>& items, const Scheduler::Parameters& parameters)
{
    double total = 0;
    double weights = 0;
    for (const FitItem& item : items) {
        total += cross_entropy(item, recall_of(item, parameters)) * item.weight;
        weights += item.weight;
    }
    return weights > 0 ? total / weights : 0;
}

std::pair<double, Scheduler::Parameters> log_loss_gradient(const std::vector<FitItem>& items,
                                                           const Scheduler::Parameters& parameters)
{
    std::vector<std::size_t> all(items.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    return loss_and_gradient(items, all, parameters);
}

FitResult fit_parameters(const std::vector<FitItem>& items, const Scheduler::Parameters& start,
                         const FitSettings& settings)
{
    FitResult result;
    result.items = items.size();
    result.parameters = start;
    if (items.size() < kFewestFitItems)
        return result;
    // The stabilities after a first answer first; the gradient steps start from them and are drawn back to them.
    const Scheduler::Parameters initial = with_initial_stabilities(items, clipped(start));
    result.parameters = initial;
    result.fitted = true;
    if (items.size() < kFewestFullFitItems)
        return result;

    constexpr double kBeta1 = 0.9;
    constexpr double kBeta2 = 0.999;
    constexpr double kEpsilon = 1e-8;
    const std::size_t batch_size = std::max<std::size_t>(1, settings.batch_size);
    const std::size_t batches = (items.size() + batch_size - 1) / batch_size;
    const double total_steps = static_cast<double>(batches) * settings.epochs;

    Scheduler::Parameters w = initial;
    std::array<double, Scheduler::kParameterCount> first_moment{};
    std::array<double, Scheduler::kParameterCount> second_moment{};
    std::vector<std::size_t> order(items.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::mt19937_64 shuffle(settings.seed);
    int step = 0;
    for (int epoch = 0; epoch < settings.epochs; ++epoch) {
        std::shuffle(order.begin(), order.end(), shuffle);
        for (std::size_t b = 0; b < batches; ++b) {
            const auto from = order.begin() + static_cast<std::ptrdiff_t>(b * batch_size);
            const auto to = order.begin() + static_cast<std::ptrdiff_t>(std::min(order.size(), (b + 1) * batch_size));
            const std::vector<std::size_t> batch(from, to);
            auto [loss, gradient] = loss_and_gradient(items, batch, w);
            // The pull back to the start, scaled to each parameter's range and spread over all items.
            for (std::size_t i = 0; i < w.size(); ++i) {
                const double width = kRanges[i].second - kRanges[i].first;
                gradient[i] +=
                    2 * settings.pull * (w[i] - initial[i]) / (width * width) / static_cast<double>(items.size());
            }
            ++step;
            const double rate = settings.learning_rate * 0.5 *
                                (1 + std::cos(std::numbers::pi * static_cast<double>(step - 1) / total_steps));
            for (std::size_t i = 0; i < w.size(); ++i) {
                first_moment[i] = kBeta1 * first_moment[i] + (1 - kBeta1) * gradient[i];
                second_moment[i] = kBeta2 * second_moment[i] + (1 - kBeta2) * gradient[i] * gradient[i];
                const double unbiased_first = first_moment[i] / (1 - std::pow(kBeta1, step));
                const double unbiased_second = second_moment[i] / (1 - std::pow(kBeta2, step));
                w[i] -= rate * unbiased_first / (std::sqrt(unbiased_second) + kEpsilon);
            }
            w = clipped(w);
        }
    }
    result.parameters = w;
    result.fully = true;
    return result;
}

}  // namespace memory
