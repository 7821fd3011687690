#pragma once

#include <span>
#include <vector>

#include "pages/round_button.h"

namespace lernwerk {

class MemoryRounds;

// A command of the round: its button on the trainer page (with its key and
// texts) and what it does to the rounds.
struct RoundCommand {
    RoundButton button;
    void (*run)(MemoryRounds& rounds);
};

// Every command of the round, in the tab order of their buttons. The trainer
// page's buttons, their captions and tooltips and the window-wide keys are
// made from this table: a further command is one row here and its handler.
std::span<const RoundCommand> roundCommands();

// The buttons of the commands, in the same order, for the trainer page.
std::vector<RoundButton> roundButtons();

}  // namespace lernwerk
