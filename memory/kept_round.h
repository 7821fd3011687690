#pragma once

#include <cstdint>

#include "memory/review_store.h"

namespace memory {

// Whether the round `kept` from an earlier run can go on over a list that
// gives `questions` questions, its status column having room for `entries`
// entries (as many as the questions, or the list's lines when the column
// stands beside the whole list). Every count is checked before anything is
// made from it: a hand-edited or damaged file must neither hang nor fill the
// memory, and no tally may overflow as the round goes on.
bool fits(const OpenRound& kept, std::int32_t questions, std::int32_t entries);

}  // namespace memory
