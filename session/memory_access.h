#pragma once

#include <functional>

#include "memory/review_store.h"

namespace session {

// Where the round session keeps what the learner did: the progress file, as
// the program opens it. The program decides when it is opened and says what
// keeps it from being used; the session only reads and writes through here.
class MemoryAccess {
public:
    virtual ~MemoryAccess() = default;
    // The store, opened now when it is not yet; nothing when it cannot be used.
    virtual memory::ReviewStore* store() = 0;
    // The store when it is open already; never opens it.
    virtual memory::ReviewStore* open_store() const = 0;
    // Runs `action` on the store, unless recording is off or the store cannot be
    // used; a failure is said, once, and the round goes on without memory.
    virtual void write(const std::function<void(memory::ReviewStore&)>& action) = 0;
    // The round kept from an earlier run could not go on and was dropped.
    virtual void kept_round_dropped() = 0;
};

}  // namespace session
