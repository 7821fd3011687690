#include <gtest/gtest.h>

#include "pages/spoken_question.h"

namespace lernwerk::testing {
namespace {

// A question as a screen reader hears it: each gap a word, each revealed gap
// its text; what the fields show is not changed.
TEST(SpokenQuestion, GapsAreSaidAsWords)
{
    const struct {
        const char* shown;
        const char* heard;
    } questions[] = {
        {"Rom ist die Hauptstadt von _____.", "Rom ist die Hauptstadt von gap."},
        {"from _____ to _____", "from gap to gap"},
        {"two in a row: __________!", "two in a row: gap gap!"},
        {"open at the end: __", "open at the end: gap"},
        {"a closed and an open one: _______", "a closed and an open one: gap gap"},
        {"inside a word: Haus_____tür", "inside a word: Haus gap tür"},
        {"_____ starts it", "gap starts it"},
        {"no gap", "no gap"},
        {"", ""},
    };
    for (const auto& question : questions)
        EXPECT_EQ(spokenQuestion(QString::fromUtf8(question.shown), QStringLiteral("gap")),
                  QString::fromUtf8(question.heard))
            << question.shown;
    EXPECT_EQ(spokenQuestion(QStringLiteral("Eins, _____, drei"), QStringLiteral("Lücke")),
              QStringLiteral("Eins, Lücke, drei"));

    const struct {
        const char* line;
        const char* heard;
    } solutions[] = {
        {"Rom ist die Hauptstadt von _Italien_.", "Rom ist die Hauptstadt von Italien."},
        {"_a_ and _b c_", "a and b c"},
        {"open at the end _rest", "open at the end rest"},
        {"no gap", "no gap"},
    };
    for (const auto& solution : solutions)
        EXPECT_EQ(spokenSolution(QString::fromUtf8(solution.line)), QString::fromUtf8(solution.heard)) << solution.line;
}

}  // namespace
}  // namespace lernwerk::testing
