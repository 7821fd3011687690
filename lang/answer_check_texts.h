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
    // What one marked gap says when pointed at or reached with the caret;
    // %1: what the answer held for it.
    Text gapAsTyped;
    Text gapNearly;
    Text gapMissing;
    // Under the summary in the solution field's tooltip: what the marks mean.
    Text legend;
};
const AnswerCheckTexts& answerCheckTexts();

// "2 of 3 gaps as typed, 1 nearly" in the language; empty when there is no gap.
QString answerCheckSummary(const quiz::CheckCounts& counts, Language language);

// "nearly: you typed 'paris'" for one gap; `typed` is what the answer held for it.
QString gapVerdictText(quiz::GapVerdict verdict, const QString& typed, Language language);

}  // namespace lernwerk
