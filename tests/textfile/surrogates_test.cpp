#include <gtest/gtest.h>

#include "textfile/text_file_codec.h"

namespace {

using textfile::CodePointAt;
using textfile::CodePointToText;
using textfile::CombineSurrogates;

TEST(Surrogates, CombineGivesQuestionMarkForAnythingButAPair)
{
    EXPECT_EQ(CombineSurrogates(0xD83D, 0xDE00), U'\U0001F600');
    EXPECT_EQ(CombineSurrogates(0xD800, 0xDC00), U'\U00010000');
    EXPECT_EQ(CombineSurrogates(0xDBFF, 0xDFFF), U'\U0010FFFF');
    EXPECT_EQ(CombineSurrogates(0xDE00, 0xD83D), U'?');
    EXPECT_EQ(CombineSurrogates(0xD83D, 0x0000), U'?');
    EXPECT_EQ(CombineSurrogates(u'a', 0xDE00), U'?');
}

TEST(Surrogates, CodePointAtOneBasedIndex)
{
    // a, pair, lone low, lone high before "b", lone high at the end
    const std::u16string text =
        u"a\xD83D\xDE00\xDE00\xD800"
        u"b\xDBFF";
    const struct {
        int index;
        char32_t codePoint;
        int unitsUsed;
    } cases[] = {
        {1, U'a', 1}, {2, U'\U0001F600', 2}, {3, U'?', 1}, {4, U'?', 1}, {5, U'?', 1}, {6, U'b', 1}, {7, U'?', 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        int used = 0;
        EXPECT_EQ(CodePointAt(text, c.index, used), c.codePoint);
        EXPECT_EQ(used, c.unitsUsed);
    }
    for (const int outside : {0, -1, 8}) {
        int used = 42;
        EXPECT_EQ(CodePointAt(text, outside, used), U'?');
        EXPECT_EQ(used, 42) << "index " << outside;
    }
}

TEST(Surrogates, CodePointToText)
{
    EXPECT_EQ(CodePointToText(U'A'), u"A");
    EXPECT_EQ(CodePointToText(0), std::u16string(1, u'\0'));
    EXPECT_EQ(CodePointToText(0xFFFF), u"\xFFFF");
    EXPECT_EQ(CodePointToText(0x10000), u"\xD800\xDC00");
    EXPECT_EQ(CodePointToText(0x10FFFF), u"\xDBFF\xDFFF");
    EXPECT_EQ(CodePointToText(0x110000), u"?");
    EXPECT_EQ(CodePointToText(0xD800), u"?");
    EXPECT_EQ(CodePointToText(0xDFFF), u"?");
    EXPECT_EQ(CodePointToText(0xFFFFFFFF), u"?");
}

}  // namespace
