#include <gtest/gtest.h>

#include "temp_folder.h"
#include "textfile/text_file_codec.h"

namespace {

using Utf16And32Files = TempFolderTest;

TEST_F(Utf16And32Files, Reading)
{
    const struct {
        const char* what;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"16 LE signature only", Hex("FF FE"), u""},
        {"16 LE odd byte alone", Hex("FF FE 41"), u""},
        {"16 LE odd last byte", Hex("FF FE 41 00 42"), u"A"},
        {"16 LE with zero unit", Hex("FF FE 41 00 00 00 42 00"), std::u16string(u"A\0B", 3)},
        {"16 BE swaps every unit", Hex("FE FF 00 41 00 00 00 42 D8 3D DE 00"), std::u16string(u"A\0B\U0001F600", 5)},
        {"16 BE odd last byte", Hex("FE FF 00 41 00"), u"A"},
        {"32 LE signature only", Hex("FF FE 00 00"), u""},
        {"32 LE", Hex("FF FE 00 00 41 00 00 00"), u"A"},
        {"32 LE bytes beyond a value", Hex("FF FE 00 00 41 00 00 00 42 00 00"), u"A"},
        {"32 BE", Hex("00 00 FE FF 00 01 F6 00 00 00 00 42"),
         u"\U0001F600"
         u"B"},
        {"32 LE no characters", Hex("FF FE 00 00 00 D8 00 00 00 00 11 00"), u"??"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(c.text));
    }
}

TEST_F(Utf16And32Files, Writing)
{
    const struct {
        const char* what;
        std::u16string text;
        std::int32_t encoding;
        bool withSignature;
        std::string bytes;
    } cases[] = {
        {"16 LE", u"abc", textfile::kUtf16Le, true, Hex("FF FE 61 00 62 00 63 00")},
        {"16 LE without signature", u"abc", textfile::kUtf16Le, false, Hex("61 00 62 00 63 00")},
        {"16 BE swaps every unit", std::u16string(u"A\0B\xD83D", 4), textfile::kUtf16Be, true,
         Hex("FE FF 00 41 00 00 00 42 D8 3D")},
        {"32 LE", u"\U0001F600", textfile::kUtf32Le, true, Hex("FF FE 00 00 00 F6 01 00")},
        {"32 BE", u"\U0001F600", textfile::kUtf32Be, true, Hex("00 00 FE FF 00 01 F6 00")},
        {"32 lone low dropped, lone high is ?",
         u"\xDC00"
         u"A\xD800",
         textfile::kUtf32Le, false, Hex("41 00 00 00 3F 00 00 00")},
        {"32 high before no low",
         u"\xD800"
         u"A",
         textfile::kUtf32Be, false, Hex("00 00 00 3F 00 00 00 41")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(textfile::WriteTextFile(c.text, Name("f.txt"), c.encoding, c.withSignature));
        EXPECT_EQ(ReadBytes("f.txt"), c.bytes);
    }
}

}  // namespace
