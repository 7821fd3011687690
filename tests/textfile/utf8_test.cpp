#include <gtest/gtest.h>

#include "temp_folder.h"
#include "textfile/text_file_codec.h"

namespace {

using Utf8Files = TempFolderTest;

TEST_F(Utf8Files, ReadingKeepsTheRestAndMarksEachFault)
{
    const struct {
        const char* what;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"signature only", Hex("EF BB BF"), u""},
        {"plain", Hex("EF BB BF 61 C3 A4 E2 82 AC"), u"aä€"},
        {"four-byte form", Hex("EF BB BF F0 9F 98 80"), u"\U0001F600"},
        {"pair as two three-byte forms", Hex("EF BB BF ED A0 BD ED B8 80"), u"\U0001F600"},
        {"lone surrogate", Hex("EF BB BF ED A0 80 41"),
         u"\xD800"
         u"A"},
        {"overlong", Hex("EF BB BF C0 80 C1 81"), std::u16string(u"\0A", 2)},
        {"stray trail byte", Hex("EF BB BF 61 80 62"),
         u"a\xFFFD"
         u"b"},
        {"lead before a blank", Hex("EF BB BF C3 20"), u"\xFFFD "},
        {"wrong third byte", Hex("EF BB BF E2 82 41"),
         u"\xFFFD"
         u"A"},
        {"cut short by the end", Hex("EF BB BF 61 F0 9F 98"), u"a\xFFFD"},
        {"above U+10FFFF", Hex("EF BB BF F4 90 80 80 41"),
         u"\xFFFD"
         u"A"},
        {"bytes that never lead", Hex("EF BB BF F8 FF 41"),
         u"\xFFFD\xFFFD"
         u"A"},
        {"faults in a long ASCII run", "\xEF\xBB\xBF" + std::string(40, 'x') + "\x80" + std::string(40, 'y') + "\xC3",
         std::u16string(40, u'x') + u"\xFFFD" + std::u16string(40, u'y') + u"\xFFFD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(textfile::GetTextFileEncoding(Name("f.txt")), textfile::kUtf8);
        EXPECT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(c.text));
    }
}

TEST_F(Utf8Files, WritingGivesStandardFormsAndKeepsLoneSurrogates)
{
    const struct {
        const char* what;
        std::u16string text;
        bool withSignature;
        std::string bytes;
    } cases[] = {
        {"signature", u"abc", true, Hex("EF BB BF 61 62 63")},
        {"no signature", u"abc", false, Hex("61 62 63")},
        {"two and three bytes", u"ä€\x7FF\x800", false, Hex("C3 A4 E2 82 AC DF BF E0 A0 80")},
        {"surrogate pair", u"\U0001F600", false, Hex("F0 9F 98 80")},
        {"last code point", u"\U0010FFFF", false, Hex("F4 8F BF BF")},
        {"lone high surrogate",
         u"\xD800"
         u"A",
         false, Hex("ED A0 80 41")},
        {"low before high", u"\xDC00\xD800", false, Hex("ED B0 80 ED A0 80")},
        {"pair after ASCII block", u"12345678\U0001F600", false, Hex("31 32 33 34 35 36 37 38 F0 9F 98 80")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(textfile::WriteTextFile(c.text, Name("f.txt"), textfile::kUtf8, c.withSignature));
        EXPECT_EQ(ReadBytes("f.txt"), c.bytes);
    }
}

}  // namespace
