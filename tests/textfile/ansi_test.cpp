#include <gtest/gtest.h>

#include "temp_folder.h"
#include "textfile/text_file_codec.h"
#include "textfile/text_lines.h"

namespace {

using AnsiFiles = TempFolderTest;

TEST_F(AnsiFiles, SignatureDecidesTheEncoding)
{
    const struct {
        std::string bytes;
        std::int32_t encoding;
    } cases[] = {
        {"", textfile::kAnsi},
        {"A", textfile::kAnsi},
        {Hex("FF"), textfile::kAnsi},
        {Hex("FF FE"), textfile::kUtf16Le},
        {Hex("FF FE 00"), textfile::kUtf16Le},
        {Hex("FF FE 41 00"), textfile::kUtf16Le},
        {Hex("FF FE 00 00"), textfile::kUtf32Le},
        {Hex("00 00 FE FF"), textfile::kUtf32Be},
        {Hex("00 00 FE"), textfile::kAnsi},
        {Hex("FE FF"), textfile::kUtf16Be},
        {Hex("FE FF 00 00"), textfile::kUtf16Be},
        {Hex("EF BB BF"), textfile::kUtf8},
        {Hex("EF BB"), textfile::kAnsi},
        {"+/v8", textfile::kUtf7},
        {"+/v9", textfile::kAnsi},
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         textfile::kAnsi},  // UTF-8 without a signature
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Units(std::u16string(c.bytes.begin(), c.bytes.end())));
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(textfile::GetTextFileEncoding(Name("f.txt")), c.encoding);
    }
}

TEST_F(AnsiFiles, WithoutSignatureWellFormedUtf8WinsOverWindows1252)
{
    const struct {
        const char* what;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"empty", "", u""},
        {"one byte", "\xE4", u"ä"},
        {"umlauts",
         "Gr\xFC\xDF"
         "e",
         u"Grüße"},
        {"bytes 80-9F", Hex("80 81 8D 8F 90 9D 9F 8A"), u"€\x81\x8D\x8F\x90\x9DŸŠ"},
        {"UTF-8",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         u"Grüße"},
        {"UTF-8 four-byte form", Hex("F0 9F 98 80"), u"\U0001F600"},
        {"pair as two three-byte forms is no UTF-8", Hex("ED A0 BD ED B8 80"), u"í\xA0½í¸€"},
        {"lead before a blank", Hex("C3 20"), u"Ã "},
        {"UTF-8 then one stray byte", "\xC3\xA4\xE4", u"Ã¤ä"},
        {"UTF-8 cut short", Hex("61 E2 82"), u"aâ‚"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(c.text));
    }
}

// UTF-16 saved without its signature: every other byte is zero, which strict UTF-8 would
// read as U+0000 after each letter (a list field then shows its first letter only).
TEST_F(AnsiFiles, WithoutSignatureUtf16IsToldByItsZeroBytes)
{
    const struct {
        const char* what;
        std::string bytes;
        std::u16string text;
        // What the line layer reads, which ends the text at U+0000.
        std::u16string lines;
    } cases[] = {
        {"little-endian", Hex("48 00 75 00 6E 00 64 00 20 00 2D 00 20 00 5F 00 64 00 6F 00 67 00 5F 00"),
         u"Hund - _dog_", u"Hund - _dog_"},
        {"big-endian", Hex("00 48 00 75 00 6E 00 64 00 0D 00 0A 00 DF"), u"Hund\r\nß", u"Hund\r\nß"},
        {"little-endian beyond Latin-1", Hex("48 00 AC 20 61 00 62 00"), u"H€ab", u"H€ab"},
        {"an odd last byte", Hex("48 00 69 00 21"), u"Hi", u"Hi"},
        {"one zero byte in UTF-8 text", std::string("Hund\0 - _dog_", 13), std::u16string(u"Hund\0 - _dog_", 13),
         u"Hund"},
        {"one unit only", std::string("\0\n", 2), std::u16string(u"\0\n", 2), u""},
        {"zeros on both sides", Hex("00 00 00 00"), std::u16string(4, u'\0'), u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(c.text));
        EXPECT_EQ(Units(textfile::ReadTextLines(Name("f.txt"))), Units(c.lines));
    }
}

// Only strict UTF-8 counts: overlong forms, encoded surrogates, values above U+10FFFF and
// cut sequences make the file Windows-1252, read byte for byte.
TEST_F(AnsiFiles, WithoutSignatureOnlyStrictUtf8IsUtf8)
{
    const struct {
        const char* what;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"C0 lead", Hex("C0 A0"), u"À\xA0"},
        {"C1 lead", Hex("C1 BF"), u"Á¿"},
        {"overlong NUL inside a line", Hex("61 C0 80 62"), u"aÀ€b"},
        {"overlong after an ASCII run", std::string(40, 'x') + Hex("C0 80"), std::u16string(40, u'x') + u"À€"},
        {"E0 80", Hex("E0 80 80"), u"à€€"},
        {"E0 9F", Hex("E0 9F BF"), u"àŸ¿"},
        {"smallest three-byte form", Hex("E0 A0 80"), u"\x800"},
        {"last before the surrogates", Hex("ED 9F BF"), u"\xD7FF"},
        {"encoded high surrogate", Hex("ED A0 80"), u"í\xA0€"},
        {"encoded low surrogate", Hex("ED BB BF"), u"í»¿"},
        {"first after the surrogates", Hex("EE 80 80"), u"\xE000"},
        {"F0 80", Hex("F0 80 80 80"), u"ð€€€"},
        {"F0 8F", Hex("F0 8F BF BF"), u"ð\x8F¿¿"},
        {"smallest four-byte form", Hex("F0 90 80 80"), u"\U00010000"},
        {"last code point", Hex("F4 8F BF BF"), u"\U0010FFFF"},
        {"above U+10FFFF", Hex("F4 90 80 80"), u"ô\x90€€"},
        {"F5 lead", Hex("F5 80 80 80"), u"õ€€€"},
        {"cut short four-byte form", Hex("F0 9F 98"), u"ðŸ˜"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(textfile::GetTextFileEncoding(Name("f.txt")), textfile::kAnsi);
        EXPECT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(c.text));
        EXPECT_EQ(Units(textfile::ReadTextLines(Name("f.txt"))), Units(c.text));
    }
}

TEST_F(AnsiFiles, WritingUsesQuestionMarkForWhatTheCodePageLacks)
{
    const struct {
        const char* what;
        std::u16string text;
        std::string bytes;
    } cases[] = {
        {"ASCII and Latin-1", u"abc äß\xA0\xFF", Hex("61 62 63 20 E4 DF A0 FF")},
        {"table 80-9F", u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ",
         Hex("80 82 83 84 85 86 87 88 89 8A 8B 8C 8E 91 92 93 94 95 96 97 98 99 9A 9B 9C 9E 9F")},
        {"the five unassigned bytes", u"\x81\x8D\x8F\x90\x9D", Hex("81 8D 8F 90 9D")},
        {"other C1 controls", u"\x80\x9E", "??"},
        {"beyond Latin-1", u"\x100\x3A9\x20AD", "???"},
        {"a pair is one character",
         u"a\U0001F600"
         u"b",
         "a?b"},
        {"lone surrogates", u"\xDC00\xD800", "??"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool withSignature : {false, true}) {
            ASSERT_TRUE(textfile::WriteTextFile(c.text, Name("f.txt"), textfile::kAnsi, withSignature));
            EXPECT_EQ(ReadBytes("f.txt"), c.bytes);
        }
    }
}

TEST_F(AnsiFiles, EveryByteSurvivesReadingAndWriting)
{
    std::string bytes;
    for (int byte = 1; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    WriteBytes("f.txt", bytes);
    const std::u16string text = textfile::ReadTextFile(Name("f.txt"));
    ASSERT_EQ(text.size(), bytes.size());
    ASSERT_TRUE(textfile::WriteTextFile(text, Name("g.txt"), textfile::kAnsi, false));
    EXPECT_EQ(ReadBytes("g.txt"), bytes);
}

}  // namespace
