#include "textfile/large_buffers.h"

#include <sys/mman.h>

#include <cstdint>

namespace textfile::detail {

void AdviseLargeBuffer([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes)
{
#if defined(MADV_HUGEPAGE) && !defined(TEXTFILE_NO_HUGE_PAGES)
    constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
    constexpr std::size_t kWorthIt = 4 * kHugePage;
    if (bytes < kWorthIt)
        return;
    // Only whole huge pages inside the buffer; it is advice, so a failure changes nothing.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

}  // namespace textfile::detail
