#pragma once

#include <cstddef>
#include <string>

// Large buffers (a whole file, or its text) are touched page by page as they are filled. On
// Linux, asking for huge pages spares most of those page faults, which otherwise take longer
// than decoding itself.
namespace textfile::detail {

// TEXTFILE_NO_HUGE_PAGES turns the advice off, for the benchmark that weighs it.
void AdviseLargeBuffer(void* data, std::size_t bytes);

// Reserves room for `size` elements in the string without writing them.
template <typename Char>
void ReserveLarge(std::basic_string<Char>& text, std::size_t size)
{
    text.reserve(size);
    AdviseLargeBuffer(text.data(), size * sizeof(Char));
}

}  // namespace textfile::detail
