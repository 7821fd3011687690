#include <gtest/gtest.h>

#include "temp_folder.h"
#include "textfile/text_file_codec.h"

namespace {

using Utf7Files = TempFolderTest;

TEST_F(Utf7Files, Writing)
{
    const struct {
        std::u16string text;
        std::int32_t encoding;
        std::string bytes;
    } cases[] = {
        {u"Hallo", textfile::kUtf7NoSignature, "Hallo"},
        {u"a+b", textfile::kUtf7NoSignature, "a+-b"},
        {u"ä", textfile::kUtf7NoSignature, "+AOQ"},
        {u"äb", textfile::kUtf7NoSignature, "+AOQ-b"},
        {u"ä-", textfile::kUtf7NoSignature, "+AOQ--"},
        {u"ä b.", textfile::kUtf7NoSignature, "+AOQ b."},
        {u"ä+", textfile::kUtf7NoSignature, "+AOQAKw"},
        {u"~\\", textfile::kUtf7NoSignature, "+AH4AXA"},
        {u"\U0001F600", textfile::kUtf7NoSignature, "+2D3eAA"},
        {u"!\"#$%&*;<=>@[]^_`{|}'(),-./:? \t\r\n", textfile::kUtf7NoSignature, "!\"#$%&*;<=>@[]^_`{|}'(),-./:? \t\r\n"},
        {u"", textfile::kUtf7, "+/v8"},
        {u"Hallo", textfile::kUtf7, "+/v8-Hallo"},
        {u" x", textfile::kUtf7, "+/v8 x"},
        {u"ä", textfile::kUtf7, "+/v8A5A"},
        // a run going on from the signature would turn "+/v8" into "+/v9", "+/v+" or "+/v/"
        {u"\x4000", textfile::kUtf7, "+/v8-+QAA"},
        {u"\U0001F600", textfile::kUtf7, "+/v8-+2D3eAA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        ASSERT_TRUE(textfile::WriteTextFile(c.text, Name("f.txt"), c.encoding, true));
        EXPECT_EQ(ReadBytes("f.txt"), c.bytes);
    }
}

TEST_F(Utf7Files, Reading)
{
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"+/v8", u""},
        {"+/v8-Hallo", u"Hallo"},
        {"+/v8-a+-b+--", u"a+b+-"},
        {"+/v8-+AOQ-b+AOQ c", u"äb\xE4 c"},
        {"+/v8-~\\", u"~\\"},
        {"+/v8-+2D3eAA", u"\U0001F600"},
        // the signature's run going on into the text, as it is written before " " or "ä"
        {"+/v8 x", u" x"},
        {"+/v8A5A", u"ä"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        WriteBytes("f.txt", c.bytes);
        EXPECT_EQ(Units(textfile::ReadTextFile(Name("f.txt"))), Units(c.text));
    }
}

TEST_F(Utf7Files, MalformedRunsFail)
{
    for (const std::string bytes : {"+/v8-+", "+/v8-+!", "+/v8-+A-", "+/v8-+AOR", "+/v8-\xE4", "+/v8-+AO\xE4"}) {
        SCOPED_TRACE(bytes);
        WriteBytes("f.txt", bytes);
        try {
            textfile::ReadTextFile(Name("f.txt"));
            ADD_FAILURE() << "no error";
        } catch (const textfile::FileError& error) {
            EXPECT_STREQ(error.what(), "Invalid UTF7");
        }
    }
}

}  // namespace
