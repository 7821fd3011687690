#include "memory/fit_items.h"

#include <algorithm>
#include <numeric>

namespace memory {

std::vector<FitItem> fit_items(const std::vector<LoggedReview>& log)
{
    std::vector<FitItem> items;
    std::size_t first = 0;
    while (first < log.size()) {
        std::size_t end = first;
        while (end < log.size() && log[end].question == log[first].question)
            ++end;
        std::vector<FitStep> history;
        for (std::size_t i = first; i < end; ++i) {
            const int elapsed = i == first ? 0 : std::max(0, log[i].day - log[i - 1].day);
            if (i > first && elapsed > 0)
                items.push_back({history, elapsed, log[i].rating != Rating::Again, log[i].time_ms, 1});
            history.push_back({elapsed, log[i].rating});
        }
        first = end;
    }
    // Weighted by the rank of their time: the learner's memory now counts most.
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return items[a].time_ms < items[b].time_ms; });
    const double last = items.size() > 1 ? static_cast<double>(items.size() - 1) : 1;
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const double x = static_cast<double>(rank) / last;
        items[order[rank]].weight = 0.25 + 0.75 * x * x * x;
    }
    return items;
}

}  // namespace memory
