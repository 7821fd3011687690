#pragma once

#include <string>

#include "textfile/code_units.h"

namespace textfile::detail {

// Cuts the text at its first U+0000, then makes every line break CR LF: a CR LF pair, a lone
// CR, a lone LF and U+2028 each count as one line break.
void NormaliseLineBreaks(std::u16string& text);

// Follows the units as a decoder gives them out, so that NormaliseLineBreaks can be skipped
// when the text holds no U+0000 and every line break in it is CR LF already.
class BreakWatch {
public:
    // `count` (1 to 32) ASCII units at once, as masks with bit i for unit i: their CRs, LFs and NULs.
    void Ascii(unsigned cr, unsigned lf, unsigned nul, unsigned count)
    {
        const unsigned inBlock = count >= 32 ? ~0u : (1u << count) - 1;
        const unsigned pairedLf = ((cr << 1) | (pendingCr_ ? 1u : 0u)) & inBlock;
        if ((lf & inBlock) != pairedLf || (nul & inBlock) != 0)
            untouched_ = false;
        pendingCr_ = ((cr >> (count - 1)) & 1u) != 0;
    }
    void Unit(char16_t unit)
    {
        if ((unit == kLineFeed) != pendingCr_ || unit == kNul || unit == kLineSeparator)
            untouched_ = false;
        pendingCr_ = unit == kCarriageReturn;
    }
    // For decoders that do not show their units: the text must be normalised.
    void NotShown() { untouched_ = false; }
    // True when normalising would leave the text as it is.
    bool TextIsNormal() const { return untouched_ && !pendingCr_; }

private:
    bool pendingCr_ = false;  // the last unit was a CR
    bool untouched_ = true;
};

}  // namespace textfile::detail
