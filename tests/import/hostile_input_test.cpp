#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "import/conversion.h"
#include "import/source_file.h"
#include "temp_folder.h"

using namespace listimport;

namespace {

struct Hostile {
    const char* name;
    std::string bytes;
    // What reading gives: an error of this kind, or (Kind::Unreadable standing
    // for "no error") a source whose lines hold no file's content.
    bool fails;
    ImportError::Kind kind;
};

std::ostream& operator<<(std::ostream& out, const Hostile& h) { return out << h.name; }

const Hostile kHostile[] = {
    {"entity expansion",
     R"(<?xml version="1.0"?><!DOCTYPE kvtml [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;">
<!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;"><!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;">]>
<kvtml version="2.0"><entries><entry><translation id="0"><text>&d;</text></translation>
<translation id="1"><text>x</text></translation></entry></entries></kvtml>)",
     false,
     {}},
    {"external entity",
     R"(<?xml version="1.0"?><!DOCTYPE kvtml [<!ENTITY secret SYSTEM "file:///etc/passwd">]>
<kvtml version="2.0"><entries><entry><translation id="0"><text>&secret;</text></translation>
<translation id="1"><text>x</text></translation></entry></entries></kvtml>)",
     false,
     {}},
    {"truncated kvtml", "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><entries><entry><translation id=\"0\"><te", true,
     ImportError::Kind::BrokenXml},
    {"XML of another kind", "<html><body>Hund,dog</body></html>", true, ImportError::Kind::NotKvtml},
    {"binary data", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10", 20), true, ImportError::Kind::UnknownFormat},
    {"a quotation mark never closed", "Hund,dog\n\"Katze,cat\nMaus,mouse\n", true, ImportError::Kind::OpenQuote},
    {"one column only", "Hund\nKatze\n", true, ImportError::Kind::NoSeparator},
    {"empty file", "", true, ImportError::Kind::UnknownFormat},
    {"a line of more columns than any list", "a" + std::string(300, ';') + "b\n", true,
     ImportError::Kind::TooManyColumns},
    {"kvtml of more languages than any list",
     [] {
         std::string text = "<kvtml version=\"2.0\"><identifiers>";
         for (int id = 0; id < 300; ++id)
             text += "<identifier id=\"" + std::to_string(id) + "\"/>";
         return text + "</identifiers><entries/></kvtml>";
     }(),
     true, ImportError::Kind::TooManyColumns},
    {"markup beside text with no separator", "<b>fett</b> und mehr\n", true, ImportError::Kind::BrokenXml},
};

class HostileInputTest : public TempFolderTest, public ::testing::WithParamInterface<Hostile> {};

TEST_P(HostileInputTest, FailsCleanlyOrKeepsEntitiesAsText)
{
    const Hostile& h = GetParam();
    WriteBytes("source", h.bytes);
    if (h.fails) {
        try {
            readSourceFile(Name("source"));
            FAIL() << "read without complaint";
        } catch (const ImportError& error) {
            EXPECT_EQ(error.kind(), h.kind) << error.what();
        }
        return;
    }
    const Conversion result = convert(readSourceFile(Name("source")), {});
    ASSERT_EQ(result.lines.size(), 1u);
    EXPECT_LT(result.lines.front().size(), 40u) << "no entity was expanded";
    EXPECT_EQ(result.lines.front().find(u"root:"), std::u16string::npos);
}

INSTANTIATE_TEST_SUITE_P(Import, HostileInputTest, ::testing::ValuesIn(kHostile));

class LargeSourceTest : public TempFolderTest {};

TEST_F(LargeSourceTest, AGigabyteLineAndDevicesAreRefusedUnread)
{
    WriteBytes("huge.csv", "");
    std::filesystem::resize_file(Path("huge.csv"), std::uintmax_t{1} << 30);
    try {
        readSourceFile(Name("huge.csv"));
        FAIL() << "read without complaint";
    } catch (const ImportError& error) {
        EXPECT_EQ(error.kind(), ImportError::Kind::TooLarge);
    }
    EXPECT_THROW(readSourceFile(Name("missing.csv")), ImportError);
    for (const std::u16string device : {u"/dev/zero", u"/tmp"}) {
        try {
            readSourceFile(device);
            FAIL() << "read without complaint";
        } catch (const ImportError& error) {
            EXPECT_EQ(error.kind(), ImportError::Kind::NotAFile);
        }
    }
}

}  // namespace
