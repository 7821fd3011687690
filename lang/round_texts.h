#pragma once

#include "lang/interface_language.h"
#include "quiz/round_texts.h"

namespace lernwerk {

// The texts a question round writes into the status bar and the log.
const quiz::RoundTexts& roundTexts(Language language);

}  // namespace lernwerk
