#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "memory/fit_items.h"
#include "memory/scheduler.h"

namespace memory {

// Fits the scheduler's 21 parameters to one learner's reviews: the FSRS-6
// memory model predicts each item's chance of recall, and Adam moves the
// parameters, batch by batch, to lower the binary cross-entropy of those
// predictions, with a slight pull towards where they started. The gradients
// come from forward-mode dual numbers (memory/dual.h). Qt-free, so the windows
// run it in a worker and the tests run it alone.

struct FitSettings {
    int epochs = 5;
    std::size_t batch_size = 512;
    // Adam's step at the start; it falls along half a cosine to 0 at the end.
    double learning_rate = 0.04;
    // How strongly the parameters are drawn back to their start, per item.
    double pull = 1.0;
    // The order of the items in each epoch: the same seed, the same fit.
    std::uint64_t seed = 2024;
};

struct FitResult {
    Scheduler::Parameters parameters = Scheduler::kDefaultParameters;
    std::size_t items = 0;
    // False when there were too few items to fit: the parameters are the start values.
    bool fitted = false;
    // False when only the initial stabilities were fitted.
    bool fully = false;
};

// Fewer items than this give the start values back; fewer than kFewestFullFitItems
// fit only the stabilities after a first answer (memory/initial_stability.h).
inline constexpr std::size_t kFewestFitItems = 8;
inline constexpr std::size_t kFewestFullFitItems = 64;

FitResult fit_parameters(const std::vector<FitItem>& items,
                         const Scheduler::Parameters& start = Scheduler::kDefaultParameters,
                         const FitSettings& settings = {});

// The weighted mean binary cross-entropy of the model's predictions with `parameters`.
double log_loss(const std::vector<FitItem>& items, const Scheduler::Parameters& parameters);
// The same and its gradient by each parameter.
std::pair<double, Scheduler::Parameters> log_loss_gradient(const std::vector<FitItem>& items,
                                                           const Scheduler::Parameters& parameters);

// The chance of recall the model predicts for `item`.
double predicted_recall(const FitItem& item, const Scheduler::Parameters& parameters);

// Each parameter moved into the range the model allows it.
Scheduler::Parameters clipped(Scheduler::Parameters parameters);

}  // namespace memory
