#pragma once

#include <QKeySequence>

#include "lang/interface_language.h"
#include "lang/trainer_texts.h"

namespace lernwerk {

// A button of the trainer page that presses a command of the round: its
// object name and picture, where it stands, the key that presses it from
// anywhere in the window, and its caption, which is its tooltip too, with the
// key. The round's commands (trainer/round_commands.*) give one per command.
struct RoundButton {
    // The left buttons stand in order from the left edge of the page; the
    // right ones stand in order too and end at its right edge.
    enum class Side { Left, Right };

    const char* objectName;
    // The picture: ":/glyphs/<glyph>.png", and "<glyph>_disabled.png" while
    // the button cannot be pressed.
    const char* glyph;
    Side side;
    QKeySequence key;
    Text TrainerTexts::*caption;
    // Enter presses it too, wherever neither a button nor a text field has the focus.
    bool takesEnter = false;
};

}  // namespace lernwerk
