#include "textfile/line_breaks.h"

#include <bit>

#if defined(__SSE2__) && !defined(TEXTFILE_PLAIN_BREAK_SCAN)
#include <emmintrin.h>
#endif

#include "textfile/code_units.h"
#include "textfile/large_buffers.h"

namespace textfile::detail {
namespace {

bool IsBreakOrNul(char16_t unit)
{
    return unit == kCarriageReturn || unit == kLineFeed || unit == kNul || unit == kLineSeparator;
}

// The position of the first CR, LF, U+0000 or U+2028 in units[from, end), or `end`.
// TEXTFILE_PLAIN_BREAK_SCAN turns the SSE2 blocks off, for the benchmark that weighs them.
std::size_t FindBreakOrNul(const char16_t* units, std::size_t from, std::size_t end)
{
    std::size_t i = from;
#if defined(__SSE2__) && !defined(TEXTFILE_PLAIN_BREAK_SCAN)
    constexpr std::size_t kBlock = 8;
    const __m128i cr = _mm_set1_epi16(static_cast<short>(kCarriageReturn));
    const __m128i lf = _mm_set1_epi16(static_cast<short>(kLineFeed));
    const __m128i separator = _mm_set1_epi16(static_cast<short>(kLineSeparator));
    const __m128i zero = _mm_setzero_si128();
    for (; end - i >= kBlock; i += kBlock) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + i));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, cr), _mm_cmpeq_epi16(v, lf)),
                                          _mm_or_si128(_mm_cmpeq_epi16(v, zero), _mm_cmpeq_epi16(v, separator)));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        if (mask != 0)
            return i + static_cast<std::size_t>(std::countr_zero(mask)) / sizeof(char16_t);
    }
#endif
    while (i < end && !IsBreakOrNul(units[i]))
        ++i;
    return i;
}

struct Scan {
    std::size_t end;          // the first U+0000, or the length of the text
    std::size_t firstChange;  // the first break that is not CR LF already
    std::size_t extraUnits;   // one for each such break, which becomes two units
};

Scan ScanText(const std::u16string& text)
{
    const char16_t* units = text.data();
    const std::size_t size = text.size();
    Scan scan{size, size, 0};
    for (std::size_t i = FindBreakOrNul(units, 0, size); i < size; i = FindBreakOrNul(units, i, size)) {
        const char16_t unit = units[i];
        if (unit == kNul) {
            scan.end = i;
            break;
        }
        if (unit == kCarriageReturn && i + 1 < size && units[i + 1] == kLineFeed) {
            i += 2;
            continue;
        }
        if (scan.extraUnits++ == 0)
            scan.firstChange = i;
        ++i;
    }
    return scan;
}

}  // namespace

void NormaliseLineBreaks(std::u16string& text)
{
    const Scan scan = ScanText(text);
    text.resize(scan.end);
    if (scan.extraUnits == 0)
        return;

    static constexpr char16_t kCrLf[] = {kCarriageReturn, kLineFeed};
    std::u16string normalised;
    ReserveLarge(normalised, scan.end + scan.extraUnits);
    const char16_t* in = text.data();
    const std::size_t end = scan.end;
    std::size_t done = 0;  // units of `text` already in `normalised`
    for (std::size_t i = scan.firstChange; i < end; i = FindBreakOrNul(in, i, end)) {
        // Everything up to the break stays as it is; the break becomes CR LF.
        normalised.append(in + done, i - done);
        normalised.append(kCrLf, 2);
        i += in[i] == kCarriageReturn && i + 1 < end && in[i + 1] == kLineFeed ? 2 : 1;
        done = i;
    }
    normalised.append(in + done, end - done);
    text = std::move(normalised);
}

}  // namespace textfile::detail
