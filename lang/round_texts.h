#pragma once

#include "quiz/language.h"
#include "quiz/round_texts.h"

namespace lernwerk {

// The texts a question round writes into the status bar and the log.
const quiz::RoundTexts& roundTexts(quiz::Language language);

}  // namespace lernwerk
