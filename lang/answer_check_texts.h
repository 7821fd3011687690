#pragma once

#include "lang/interface_language.h"
#include "quiz/answer_check.h"

namespace lernwerk {

// The comparison of the typed answer with the solution: its menu entry and
// what a screen reader hears after the solution.
struct AnswerCheckTexts {
    Text menuEntry;
    // "%1 of %2 gaps as typed"; the singular when %2 is 1.
    Text asTyped;
    Text asTypedOne;
    // ", %1 nearly", added when any gap was nearly typed.
    Text nearly;
};
const AnswerCheckTexts& answerCheckTexts();

// "2 of 3 gaps as typed, 1 nearly" in the language; empty when there is no gap.
QString answerCheckSummary(const quiz::CheckCounts& counts, Language language);

}  // namespace lernwerk
