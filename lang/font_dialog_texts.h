#pragma once

#include <array>

#include "lang/interface_language.h"

namespace lernwerk {

// The colours the font dialog offers for the text.
constexpr int kFontDialogColors = 16;

// The font dialog's colour row: its label and the names of the colours, in
// the order black, maroon, green, olive, navy, purple, teal, grey, silver, red,
// lime, yellow, blue, fuchsia, aqua, white.
struct FontDialogTexts {
    Text colorLabel;
    std::array<Text, kFontDialogColors> colorNames;
};

const FontDialogTexts& fontDialogTexts();

}  // namespace lernwerk
