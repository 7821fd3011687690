#include <gtest/gtest.h>

#include "temp_folder.h"
#include "textfile/text_file_codec.h"
#include "textfile/text_lines.h"

namespace {

using TextLines = TempFolderTest;

TEST_F(TextLines, EveryLineBreakBecomesCrLfAndTextEndsAtNul)
{
    const struct {
        const char* what;
        std::u16string text;
        std::u16string lines;
    } cases[] = {
        {"lone LF", u"a\nb\n", u"a\r\nb\r\n"},
        {"lone CR", u"a\rb", u"a\r\nb"},
        {"CR LF stays", u"a\r\nb\r\n", u"a\r\nb\r\n"},
        {"CR before CR LF", u"a\r\r\nb", u"a\r\n\r\nb"},
        {"LF CR is two breaks", u"a\n\rb", u"a\r\n\r\nb"},
        {"line separator",
         u"a\x2028"
         u"b",
         u"a\r\nb"},
        {"CR before umlaut", u"a\rä\r", u"a\r\nä\r\n"},
        {"LF after umlaut", u"ä\nb", u"ä\r\nb"},
        {"CR before line separator", u"a\r\x2028", u"a\r\n\r\n"},
        {"NUL ends the text", std::u16string(u"ab\nc\0d\n", 7), u"ab\r\nc"},
        {"NUL first", std::u16string(u"\0abc", 4), u""},
        {"CR just before NUL", std::u16string(u"ab\r\0\n", 5), u"ab\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(textfile::WriteTextFile(c.text, Name("f.txt"), textfile::kUtf8, true));
        EXPECT_EQ(Units(textfile::ReadTextLines(Name("f.txt"))), Units(c.lines));
    }
}

TEST_F(TextLines, BreaksAroundLongRunsOfText)
{
    // Long lines are passed over in blocks; breaks at and across every block edge.
    for (std::size_t lead = 0; lead < 70; ++lead) {
        SCOPED_TRACE(lead);
        const std::u16string head(lead, u'x');
        const std::u16string tail(lead % 7 * 10, u'y');
        WriteBytes("crlf.txt", "\xEF\xBB\xBF" + std::string(lead, 'x') + "\r\n" + std::string(tail.size(), 'y'));
        EXPECT_EQ(textfile::ReadTextLines(Name("crlf.txt")), head + u"\r\n" + tail);
        WriteBytes("lf.txt", std::string(lead, 'x') + "\n" + std::string(tail.size(), 'y') + "\r");
        EXPECT_EQ(textfile::ReadTextLines(Name("lf.txt")), head + u"\r\n" + tail + u"\r\n");
        WriteBytes("nul.txt", std::string(lead, 'x') + '\0' + "\n");
        EXPECT_EQ(textfile::ReadTextLines(Name("nul.txt")), head);
    }
}

TEST_F(TextLines, KnowsEverySignature)
{
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"ANSI",
         "Gr\xFC\xDF"
         "e\nA"},
        {"UTF-8 without signature",
         "Gr\xC3\xBC\xC3\x9F"
         "e\nA"},
        {"UTF-8",
         "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
         "e\nA"},
        {"UTF-16 LE", Hex("FF FE 47 00 72 00 FC 00 DF 00 65 00 0A 00 41 00")},
        {"UTF-16 BE", Hex("FE FF 00 47 00 72 00 FC 00 DF 00 65 00 0A 00 41")},
        {"UTF-32 LE",
         Hex("FF FE 00 00 47 00 00 00 72 00 00 00 FC 00 00 00 DF 00 00 00 65 00 00 00 0A 00 00 00 41 00 00 00")},
        {"UTF-32 BE",
         Hex("00 00 FE FF 00 00 00 47 00 00 00 72 00 00 00 FC 00 00 00 DF 00 00 00 65 00 00 00 0A 00 00 00 41")},
        {"UTF-7", "+/v8-Gr+APwA3w-e\nA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(Units(textfile::ReadTextLines(Name("f.txt"))), Units(u"Grüße\r\nA"));
    }
}

TEST_F(TextLines, SavingWritesUtf8WithSignatureOrAnsi)
{
    textfile::SaveTextLines(u"Grüße\r\n\U0001F600", Name("bild.jpg"), textfile::kUtf8);
    EXPECT_EQ(ReadBytes("bild.jpg"),
              "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F"
              "e\r\n\xF0\x9F\x98\x80");
    textfile::SaveTextLines(u"Grüße\r\n\U0001F600", Name("f.txt"), textfile::kAnsi);
    EXPECT_EQ(ReadBytes("f.txt"),
              "Gr\xFC\xDF"
              "e\r\n?");
}

}  // namespace
