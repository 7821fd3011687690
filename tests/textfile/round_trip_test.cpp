#include <gtest/gtest.h>

#include <random>

#include "temp_folder.h"
#include "textfile/text_file_codec.h"

namespace {

// What a random text may hold.
enum Content : unsigned {
    kAscii = 0,
    kAnsiOnly = 1u << 0,        // only characters of Windows-1252
    kLoneSurrogates = 1u << 1,  // unpaired surrogates besides pairs
};

struct Case {
    const char* name;
    std::int32_t encoding;
    bool withSignature;
    unsigned content;
};

std::u16string RandomText(std::mt19937& random, unsigned content)
{
    static const std::u16string kAnsiExtras = u"äöüÄÖÜß€„“–…\x81\x8D\xA0\xFF";
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<std::size_t> length(0, 300);
    std::u16string text;
    const std::size_t size = length(random);
    while (text.size() < size) {
        const int k = kind(random);
        if (k <= 4) {
            text.push_back(static_cast<char16_t>(std::uniform_int_distribution<int>(0x20, 0x7E)(random)));
        } else if (k == 5) {
            text.push_back(
                std::u16string(u"\r\n\t+-\x01\0", 7)[std::uniform_int_distribution<std::size_t>(0, 6)(random)]);
        } else if (k == 6 || (content & kAnsiOnly) != 0) {
            text.push_back(kAnsiExtras[std::uniform_int_distribution<std::size_t>(0, kAnsiExtras.size() - 1)(random)]);
        } else if (k == 7) {
            const auto unit = static_cast<char16_t>(std::uniform_int_distribution<int>(0x100, 0xFFFD)(random));
            if (unit != 0xFEFF && !textfile::IsHighSurrogate(unit) && !textfile::IsLowSurrogate(unit))
                text.push_back(unit);
        } else if (k == 8) {
            text += textfile::CodePointToText(std::uniform_int_distribution<char32_t>(0x10000, 0x10FFFF)(random));
        } else if ((content & kLoneSurrogates) != 0) {
            text.push_back(static_cast<char16_t>(std::uniform_int_distribution<int>(0xD800, 0xDFFF)(random)));
        }
    }
    // A UTF-16 file starting with U+0000 would be taken for UTF-32.
    if (!text.empty() && text.front() == u'\0')
        text.front() = u'x';
    if ((content & kAnsiOnly) != 0) {
        // Windows-1252 bytes that happen to be well-formed UTF-8 read back as UTF-8; this start never is.
        text.insert(0, u"ä!");
    }
    return text;
}

class RoundTrip : public TempFolderTest, public ::testing::WithParamInterface<Case> {};

TEST_P(RoundTrip, RandomTextReadsBackUnchanged)
{
    const Case& c = GetParam();
    std::mt19937 random(static_cast<unsigned>(c.encoding));
    for (int i = 0; i < 60; ++i) {
        const std::u16string text = RandomText(random, c.content);
        SCOPED_TRACE(Units(text));
        ASSERT_TRUE(textfile::WriteTextFile(text, Name("f.txt"), c.encoding, c.withSignature));
        ASSERT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(text));
    }
}

INSTANTIATE_TEST_SUITE_P(Encodings, RoundTrip,
                         ::testing::Values(Case{"Utf8", textfile::kUtf8, true, kLoneSurrogates},
                                           // Lone surrogates are no strict UTF-8: such a file reads as Windows-1252.
                                           Case{"Utf8WithoutSignature", textfile::kUtf8, false, kAscii},
                                           Case{"Utf16Le", textfile::kUtf16Le, true, kLoneSurrogates},
                                           Case{"Utf16Be", textfile::kUtf16Be, true, kLoneSurrogates},
                                           Case{"Utf32Le", textfile::kUtf32Le, true, kAscii},
                                           Case{"Utf32Be", textfile::kUtf32Be, true, kAscii},
                                           Case{"Utf7", textfile::kUtf7, true, kLoneSurrogates},
                                           Case{"Ansi", textfile::kAnsi, false, kAnsiOnly}),
                         [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

}  // namespace
