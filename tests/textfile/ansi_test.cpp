#include <gtest/gtest.h>

#include "temp_folder.h"
#include "textfile/u_WideFunc.h"

namespace {

using AnsiFiles = TempFolderTest;

TEST_F(AnsiFiles, SignatureDecidesTheEncoding) {
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
      {"Gr\xC3\xBC\xC3\x9F" "e", textfile::kAnsi},  // UTF-8 without a signature
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Units(std::u16string(c.bytes.begin(), c.bytes.end())));
    WriteBytes("f.txt", c.bytes);
    EXPECT_EQ(textfile::GetTextFileEncoding(Name("f.txt")), c.encoding);
  }
}

TEST_F(AnsiFiles, WithoutSignatureWellFormedUtf8WinsOverWindows1252) {
  const struct {
    const char* what;
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"empty", "", u""},
      {"one byte", "\xE4", u"ä"},
      {"umlauts", "Gr\xFC\xDF" "e", u"Grüße"},
      {"bytes 80-9F", Hex("80 81 8D 8F 90 9D 9F 8A"), u"€\x81\x8D\x8F\x90\x9DŸŠ"},
      {"UTF-8", "Gr\xC3\xBC\xC3\x9F" "e", u"Grüße"},
      {"UTF-8 four-byte form", Hex("F0 9F 98 80"), u"\U0001F600"},
      {"UTF-8 pair as two three-byte forms", Hex("ED A0 BD ED B8 80"), u"\U0001F600"},
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

TEST_F(AnsiFiles, WritingUsesQuestionMarkForWhatTheCodePageLacks) {
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
      {"a pair is one character", u"a\U0001F600" u"b", "a?b"},
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

TEST_F(AnsiFiles, EveryByteSurvivesReadingAndWriting) {
  std::string bytes;
  for (int byte = 1; byte < 256; ++byte) bytes.push_back(static_cast<char>(byte));
  WriteBytes("f.txt", bytes);
  const std::u16string text = textfile::ReadTextFile(Name("f.txt"));
  ASSERT_EQ(text.size(), bytes.size());
  ASSERT_TRUE(textfile::WriteTextFile(text, Name("g.txt"), textfile::kAnsi, false));
  EXPECT_EQ(ReadBytes("g.txt"), bytes);
}

}  // namespace
