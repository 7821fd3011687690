#pragma once

#include <vector>

#include "memory/fit_items.h"
#include "memory/scheduler.h"

namespace memory {

// The fitting's first step: the stabilities after a question's first answer
// (w0 to w3, one per rating), each found on its own from how often the second
// review was remembered after how many days. Gradient steps alone would take
// far too many epochs to move them as far as a learner's memory may ask.
// A rating no item begins with keeps its start value; better first answers
// never get a smaller stability than worse ones.
Scheduler::Parameters with_initial_stabilities(const std::vector<FitItem>& items, Scheduler::Parameters start);

}  // namespace memory
