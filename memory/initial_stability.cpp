#include "memory/initial_stability.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <utility>

namespace memory {

namespace {

constexpr double kLowest = 0.001;
constexpr double kHighest = 100;

// Answers `elapsed_days` after a first answer: how many, and how many remembered.
struct Tally {
    double count = 0;
    double remembered = 0;
};

// The recall after `days` at stability `s` on the forgetting curve of `decay`.
double recall(double days, double s, double decay)
{
    const double factor = std::pow(0.9, 1 / -decay) - 1;
    return std::clamp(std::pow(1 + factor * days / s, -decay), 1e-4, 1 - 1e-4);
}

// The cross-entropy of the tallies at stability `s`, plus a pull towards `start`.
double loss(const std::map<int, Tally>& tallies, double s, double start, double decay)
{
    double total = std::abs(s - start) / 16;
    for (const auto& [days, tally] : tallies) {
        const double r = recall(days, s, decay);
        total -= tally.remembered * std::log(r) + (tally.count - tally.remembered) * std::log(1 - r);
    }
    return total;
}

// The stability of least loss, by a golden-section search over its logarithm.
double best_stability(const std::map<int, Tally>& tallies, double start, double decay)
{
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double low = std::log(kLowest);
    double high = std::log(kHighest);
    for (int step = 0; step < 80; ++step) {
        const double a = high - golden * (high - low);
        const double b = low + golden * (high - low);
        if (loss(tallies, std::exp(a), start, decay) <= loss(tallies, std::exp(b), start, decay))
            high = b;
        else
            low = a;
    }
    return std::exp((low + high) / 2);
}

}  // namespace

Scheduler::Parameters with_initial_stabilities(const std::vector<FitItem>& items, Scheduler::Parameters start)
{
    std::array<std::map<int, Tally>, 4> by_rating;
    for (const FitItem& item : items) {
        if (item.history.size() != 1)
            continue;
        Tally& tally =
            by_rating[static_cast<std::size_t>(static_cast<int>(item.history[0].rating) - 1)][item.elapsed_days];
        tally.count += 1;
        tally.remembered += item.remembered ? 1 : 0;
    }
    std::array<double, 4> counts{};
    for (std::size_t g = 0; g < 4; ++g) {
        for (const auto& [days, tally] : by_rating[g])
            counts[g] += tally.count;
        if (counts[g] > 0)
            start[g] = best_stability(by_rating[g], start[g], start[20]);
    }
    // A better first answer is never less stable: the rating with fewer answers gives way.
    for (const auto& [worse, better] : {std::pair{0, 1}, {1, 2}, {2, 3}, {0, 2}, {1, 3}, {0, 3}}) {
        if (start[worse] <= start[better])
            continue;
        if (counts[worse] > counts[better])
            start[better] = start[worse];
        else
            start[worse] = start[better];
    }
    return start;
}

}  // namespace memory
