#pragma once

#include <QString>

#include <vector>

#include "quiz/gaps.h"
#include "widgets/text_field_accessible.h"

namespace lernwerk {

// A question as a screen reader hears it: underscores are read as silence or
// as "underscore underscore ...", so each gap is said as a word.

// `shown` is the question as the question field shows it: every closed gap
// five underscores, an open one at the end two. Each gap becomes `gapWord`.
QString spokenQuestion(const QString& shown, const QString& gapWord);
// The same with the shown offset each of its units stands for: how the
// question field reads to a screen reader.
TextFieldAccessible::Reading readQuestion(const QString& shown, const QString& gapWord);

// The question from its pieces (quiz::question_pieces): what shows of each gap,
// then `gapWord` for the rest of it.
QString spokenQuestion(const std::vector<quiz::QuestionPiece>& pieces, const QString& gapWord);

// `line` is the whole question line as the solution field shows it: each gap
// is said as the text it holds, without its underscores.
QString spokenSolution(const QString& line);

}  // namespace lernwerk
