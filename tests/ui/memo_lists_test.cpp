#include <gtest/gtest.h>

#include <QPlainTextEdit>

#include "widgets/memo_lists.h"
#include "widgets/text_field.h"

namespace lernwerk::testing {
namespace {

struct EmptyLineCase {
    const char* name;
    QString before;
    QString after;
};

class RemoveEmptyLines : public ::testing::TestWithParam<EmptyLineCase> {};

TEST_P(RemoveEmptyLines, KeepsEveryOtherLineInOrder)
{
    QPlainTextEdit field;
    field.setPlainText(GetParam().before);
    MemoQuestionList questions(field);
    questions.remove_empty_lines();
    EXPECT_EQ(field.toPlainText(), GetParam().after);
    EXPECT_EQ(questions.count(), GetParam().after.isEmpty() ? 0 : GetParam().after.count(QLatin1Char('\n')) + 1);
}

QString manyEmpty(int count) { return QString(count, QLatin1Char('\n')); }

INSTANTIATE_TEST_SUITE_P(
    Lists, RemoveEmptyLines,
    ::testing::Values(EmptyLineCase{"none", "a\nb", "a\nb"}, EmptyLineCase{"trailing_break", "a\nb\n", "a\nb"},
                      EmptyLineCase{"leading_and_inner", "\na\n\n\nb", "a\nb"},
                      EmptyLineCase{"blanks_stay", " \n\n\t", " \n\t"}, EmptyLineCase{"only_empty", "\n\n", ""},
                      EmptyLineCase{"empty", "", ""},
                      // More empty lines than are deleted one by one: the list is rebuilt.
                      EmptyLineCase{"many_empty", manyEmpty(1500) + "q" + manyEmpty(1500) + "r\n", "q\nr"}),
    [](const ::testing::TestParamInfo<EmptyLineCase>& param_info) { return std::string(param_info.param.name); });

// The rebuild keeps a character that the field shows as a stand-in.
TEST(RemoveEmptyLines, RebuildKeepsStandInCharacters)
{
    QPlainTextEdit field;
    std::vector<std::u16string> lines{u"a\u2028b"};
    lines.resize(1500);
    lines.push_back(u"c\rd");
    setFieldLines(field, lines);
    MemoQuestionList questions(field);
    questions.remove_empty_lines();
    EXPECT_EQ(fieldLines(field), (std::vector<std::u16string>{u"a\u2028b", u"c\rd"}));
}

}  // namespace
}  // namespace lernwerk::testing
