#pragma once

#include <string_view>

#include "quiz/language.h"

namespace quiz {

// The texts a round writes into the status bar and the log, per language.
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
};

const RoundTexts& round_texts(Language language);

}  // namespace quiz
