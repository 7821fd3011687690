#include "trainer/round_commands.h"

#include "trainer/memory_rounds.h"

namespace lernwerk {

namespace {

using Side = RoundButton::Side;

const std::vector<RoundCommand>& table()
{
    static const std::vector<RoundCommand> commands{
        {{"bt_solve", "solve", Side::Left, QKeySequence(Qt::CTRL | Qt::Key_Return), &TrainerTexts::solve},
         [](MemoryRounds& rounds) { rounds.reveal(); }},
        {{"bt_hint", "hint", Side::Left, QKeySequence(Qt::CTRL | Qt::Key_H), &TrainerTexts::hint},
         [](MemoryRounds& rounds) { rounds.hint(); }},
        {{"bt_correct", "correct", Side::Right, QKeySequence(Qt::CTRL | Qt::Key_1), &TrainerTexts::correct, true},
         [](MemoryRounds& rounds) { rounds.mark(quiz::Marking::Correct); }},
        {{"bt_wrong", "wrong", Side::Right, QKeySequence(Qt::CTRL | Qt::Key_2), &TrainerTexts::wrong},
         [](MemoryRounds& rounds) { rounds.mark(quiz::Marking::Wrong); }},
        {{"bt_clock", "clock", Side::Right, QKeySequence(Qt::CTRL | Qt::Key_3), &TrainerTexts::clock},
         [](MemoryRounds& rounds) { rounds.mark(quiz::Marking::Postponed); }},
    };
    return commands;
}

}  // namespace

std::span<const RoundCommand> roundCommands() { return table(); }

std::vector<RoundButton> roundButtons()
{
    std::vector<RoundButton> buttons;
    for (const RoundCommand& command : table())
        buttons.push_back(command.button);
    return buttons;
}

}  // namespace lernwerk
