#pragma once

#include <bit>
#include <cstddef>

#if defined(__SSE2__) && !defined(TEXTFILE_PLAIN_ASCII_SCAN)
#include <emmintrin.h>
#endif

#include "textfile/line_breaks.h"

// The ASCII fast path that the UTF-8 and Windows-1252 decoders share. TEXTFILE_PLAIN_ASCII_SCAN
// turns the SSE2 blocks off, for the benchmark that weighs them.
namespace textfile::detail {

// For decoders that are not asked about line breaks.
struct NoWatch {
    void Ascii(unsigned, unsigned, unsigned, unsigned) {}
    void Unit(char16_t) {}
};

inline constexpr std::size_t kAsciiBlock = 16;

// Widens the ASCII bytes at the start of `in[0, count)` to units, a block of 16 at a time,
// shows them to `watch`, and gives how many there were. Stops before the first non-ASCII
// byte and before the last incomplete block. May write to `out` all units of the blocks it
// reads, beyond the ones it gives, which the caller's buffer must allow.
template <typename Watch>
std::size_t WidenAsciiBlocks(const unsigned char* in, std::size_t count, char16_t* out, Watch& watch)
{
    std::size_t done = 0;
#if defined(__SSE2__) && !defined(TEXTFILE_PLAIN_ASCII_SCAN)
    const __m128i zero = _mm_setzero_si128();
    const __m128i cr = _mm_set1_epi8(static_cast<char>(kCarriageReturn));
    const __m128i lf = _mm_set1_epi8(static_cast<char>(kLineFeed));
    while (count - done >= kAsciiBlock) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + done));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done), _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + done + 8), _mm_unpackhi_epi8(bytes, zero));
        const auto nonAscii = static_cast<unsigned>(_mm_movemask_epi8(bytes));
        const auto ascii =
            nonAscii == 0 ? static_cast<unsigned>(kAsciiBlock) : static_cast<unsigned>(std::countr_zero(nonAscii));
        if (ascii != 0) {
            watch.Ascii(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, cr))),
                        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf))),
                        static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero))), ascii);
        }
        done += ascii;
        if (nonAscii != 0)
            break;
    }
#else
    constexpr unsigned char kFirstNonAscii = 0x80;
    while (count - done >= kAsciiBlock) {
        std::size_t ascii = 0;
        while (ascii < kAsciiBlock && in[done + ascii] < kFirstNonAscii)
            ++ascii;
        for (std::size_t i = 0; i < ascii; ++i) {
            out[done + i] = in[done + i];
            watch.Unit(out[done + i]);
        }
        done += ascii;
        if (ascii < kAsciiBlock)
            break;
    }
#endif
    return done;
}

}  // namespace textfile::detail
