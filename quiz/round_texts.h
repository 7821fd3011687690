#pragma once

#include <string_view>

namespace quiz {

// The texts a round writes into the status bar and the log, in one language.
// The program gives them through the round's view.
struct RoundTexts {
    std::u16string_view phase_asking;
    std::u16string_view phase_finished;
    std::u16string_view log_restart;
    std::u16string_view log_start;
    std::u16string_view log_list;
    std::u16string_view log_end;
    std::u16string_view log_closing;
    std::u16string_view label_correct;
    std::u16string_view label_trials;
    std::u16string_view label_wrong;
    std::u16string_view label_clocked;
    // Before the number of hints a round used, in the log at its end (when it used any).
    std::u16string_view log_hints;
};

}  // namespace quiz
