#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/conversion.h"
#include "import/source_file.h"
#include "temp_folder.h"
#include "textfile/encodings.h"

using namespace listimport;

namespace {

// One source file, how it is read and converted, and what comes of it.
struct Case {
    const char* name;
    std::string bytes;
    ReadChoices read;
    ConversionChoices convert;
    Format format;
    std::vector<std::u16string> lines;
    std::size_t emptySides = 0;
    std::size_t underscores = 0;
    std::size_t hintsDropped = 0;
};

std::ostream& operator<<(std::ostream& out, const Case& c) { return out << c.name; }

std::string utf16le(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

const ConversionChoices kAskSecond{};
const ConversionChoices kAskFirst{.firstColumn = 0, .secondColumn = 1, .ask = Ask::First};
const ConversionChoices kAskBoth{.firstColumn = 0, .secondColumn = 1, .ask = Ask::Both};

const Case kDelimited[] = {
    {"colon inside comma-separated text",
     "Uhrzeit: Mittag,noon\nHund,dog\nKatze,cat\n",
     {},
     kAskSecond,
     Format::Delimited,
     {u"Uhrzeit: Mittag - _noon_", u"Hund - _dog_", u"Katze - _cat_"}},
    {"quoted separators and quotation marks",
     "\"Hund, der\",\"dog \"\"Rex\"\"\"\nKatze,cat\n",
     {},
     kAskFirst,
     Format::Delimited,
     {u"dog \"Rex\" - _Hund, der_", u"cat - _Katze_"}},
    {"Windows-1252 semicolons with a header row",
     "Deutsch;Englisch\r\nK\xE4se;cheese\r\nStra\xDF"
     "e;street\r\n",
     {},
     kAskSecond,
     Format::Delimited,
     {u"Käse - _cheese_", u"Straße - _street_"}},
    {"the header row kept when the user says so",
     "Deutsch;Englisch\nHaus;house\n",
     {.headerRow = false},
     kAskSecond,
     Format::Delimited,
     {u"Deutsch - _Englisch_", u"Haus - _house_"}},
    {"UTF-16 tab-separated, as a spreadsheet's Unicode text",
     utf16le(u"Hund\tdog\r\n\u65E5\u672C\tJapan\r\n"),
     {},
     kAskBoth,
     Format::Delimited,
     {u"dog - _Hund_", u"Hund - _dog_", u"Japan - _\u65E5\u672C_", u"\u65E5\u672C - _Japan_"}},
    {"pipes, chosen columns, blanks tidied",
     "1|\"  rot \n  und \"|red|x\n2|blau||blue\n",
     {},
     {.firstColumn = 1, .secondColumn = 2, .ask = Ask::Second},
     Format::Delimited,
     {u"rot und - _red_"},
     1},
    {"separator given by the user",
     "a;b,c\nd;e,f\n",
     {.separator = u';'},
     kAskSecond,
     Format::Delimited,
     {u"a - _b,c_", u"d - _e,f_"}},
    {"an underscore cannot be written",
     "snake_case,Schlangenschrift\nHund,dog\n",
     {},
     kAskSecond,
     Format::Delimited,
     {u"Hund - _dog_"},
     0,
     1},
    {"an encoding given by the user",
     "Fu\xC3\x9F,foot\n",
     {.encoding = textfile::kAnsi},
     kAskSecond,
     Format::Delimited,
     {u"Fu\u00C3\u0178 - _foot_"}},
};

const Case kAnki[] = {
    {"Anki headers, markup and sounds",
     "#separator:tab\n#html:true\n#notetype column:1\n#deck column:2\n#tags column:5\n"
     "Basic\tSpanisch\tdie Katze<br>(Tier)\tel gato&nbsp;[sound:gato.mp3]\tanimals\n"
     "Basic\tSpanisch\t<div>der &amp; Hund</div>\t<b>el perro</b>\tanimals\n",
     {},
     kAskSecond,
     Format::Anki,
     {u"die Katze (Tier) - _el gato_", u"der & Hund - _el perro_"}},
    {"Anki clozes with and without a hint, headers written loosely",
     "#separator:Comma\n#html:false\n#notetype column: 1\n"
     "Cloze,\"Blau, {{c1::Gelb}} und {{c2::Rot::Farbe}} sind Grundfarben.\",Extra\n"
     "Basic,Haus,house\n",
     {},
     kAskSecond,
     Format::Anki,
     {u"Blau, _Gelb_ und _Rot_ sind Grundfarben.", u"Haus - _house_"},
     0,
     0,
     1},
};

const Case kKvtml[] = {
    {"kvtml 2.0 with languages, a fill-in-the-blank entry and a clue",
     R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
 <identifiers>
  <identifier id="0"><name>English</name><locale>en</locale></identifier>
  <identifier id="1"><name>German</name><locale>de</locale></identifier>
 </identifiers>
 <entries>
  <entry id="0"><translation id="0"><text>dog</text></translation><translation id="1"><text>Hund</text></translation></entry>
  <entry id="1"><translation id="0"><text>they have bought a Porsche</text></translation>
   <translation id="1"><text>sie haben [einen Porsche] gekauft</text></translation></entry>
  <entry id="2"><translation id="0"><text>Igel</text><comment>a small spiny animal</comment></translation></entry>
  <entry id="3"><translation id="0"><text>cat</text></translation><translation id="1"><text></text></translation></entry>
 </entries>
</kvtml>)",
     {},
     kAskSecond,
     Format::Kvtml2,
     {u"dog - _Hund_", u"they have bought a Porsche - sie haben _einen Porsche_ gekauft",
      u"a small spiny animal - _Igel_"},
     1},
    {"kvtml 1.0, as kvoctrain wrote it",
     "<?xml version=\"1.0\"?>\n<!doctype kvtml system \"kvoctrain.dtd\">\n<kvtml encoding=\"UTF-8\" cols=\"3\">\n"
     " <article><e l=\"de\"><fd>die</fd></e></article>\n"
     " <e m=\"4\"><o l=\"de\">Baum</o><t l=\"en\">tree</t><t l=\"fr\">arbre</t></e>\n"
     " <e><o>Blatt\n  (Pflanze)</o><t>\n  <comparison><l1>x</l1></comparison>\n  "
     "leaf</t><t>feuille</t></e>\n</kvtml>\n",
     {},
     kAskBoth,
     Format::Kvtml1,
     {u"tree - _Baum_", u"Baum - _tree_", u"leaf - _Blatt (Pflanze)_", u"Blatt (Pflanze) - _leaf_"}},
};

// Text that was once taken for something else, or split in the wrong place.
const Case kAsWritten[] = {
    {"a comparison sign at the start is no XML",
     "<=;kleiner oder gleich\n>=;gr\xC3\xB6\xC3\x9F"
     "er oder gleich\n",
     {},
     kAskSecond,
     Format::Delimited,
     {u"<= - _kleiner oder gleich_", u">= - _größer oder gleich_"}},
    {"markup in a field with the separator given",
     "<b>fett</b>;bold\n<i>kursiv</i>;italic\n",
     {.separator = u';'},
     kAskSecond,
     Format::Delimited,
     {u"<b>fett</b> - _bold_", u"<i>kursiv</i> - _italic_"}},
    {"quotation marks inside a field that is not quoted",
     "Er sagte \"Hallo\";He said \"hello\"\nHund;dog\n",
     {},
     kAskSecond,
     Format::Delimited,
     {u"Er sagte \"Hallo\" - _He said \"hello\"_", u"Hund - _dog_"}},
    {"UTF-16 little-endian without a signature",
     utf16le(u"Hund;dog\r\nStra\u00DFe;street\r\n").substr(2),
     {},
     kAskSecond,
     Format::Delimited,
     {u"Hund - _dog_", u"Straße - _street_"}},
    {"UTF-16 big-endian without a signature",
     std::string("\0H\0u\0n\0d\0\t\0d\0o\0g\0\r\0\n", 20),
     {},
     kAskSecond,
     Format::Delimited,
     {u"Hund - _dog_"}},
    {"an Anki separator beyond ASCII",
     "#separator:\xC2\xA7\nHund\xC2\xA7"
     "dog\nStra\xC3\x9F"
     "e\xC2\xA7street\n",
     {},
     kAskSecond,
     Format::Anki,
     {u"Hund - _dog_", u"Straße - _street_"}},
    {"a cloze inside a cloze",
     "#separator:tab\n#html:false\nA {{c1::x {{c2::y::hint}} z}} B\tExtra\n",
     {},
     kAskSecond,
     Format::Anki,
     {u"A _x y z_ B"},
     0,
     0,
     1},
    {"clozes nested ten thousand deep",
     [] {
         std::string text = "#separator:tab\n";
         for (int depth = 0; depth < 10000; ++depth)
             text += "{{c1::";
         text += "x";
         for (int depth = 0; depth < 10000; ++depth)
             text += "}}";
         return text + "\tExtra\n";
     }(),
     {},
     kAskSecond,
     Format::Anki,
     {u"_x_"}},
    {"kvtml declaring Windows-1252",
     "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<kvtml version=\"2.0\"><entries><entry>"
     "<translation id=\"0\"><text>Stra\xDF"
     "e \x80uro</text></translation>"
     "<translation id=\"1\"><text>street euro</text></translation></entry></entries></kvtml>\n",
     {},
     kAskSecond,
     Format::Kvtml2,
     {u"Straße €uro - _street euro_"}},
    {"kvtml declaring ISO-8859-1",
     "<?xml version='1.0' encoding='ISO-8859-1'?>\n<kvtml version=\"2.0\"><entries><entry>"
     "<translation id=\"0\"><text>K\xE4se</text></translation>"
     "<translation id=\"1\"><text>cheese</text></translation></entry></entries></kvtml>\n",
     {},
     kAskSecond,
     Format::Kvtml2,
     {u"Käse - _cheese_"}},
};

class FormatsTest : public TempFolderTest, public ::testing::WithParamInterface<Case> {};

TEST_P(FormatsTest, ReadsAndConvertsAsTheEditorWould)
{
    const Case& c = GetParam();
    WriteBytes("source", c.bytes);
    const Source source = readSourceFile(Name("source"), c.read);
    EXPECT_EQ(source.format, c.format);
    const Conversion result = convert(source, c.convert);
    EXPECT_EQ(result.lines, c.lines);
    EXPECT_EQ(result.skippedCount(SkipReason::EmptySide), c.emptySides);
    EXPECT_EQ(result.skippedCount(SkipReason::Underscore), c.underscores);
    EXPECT_EQ(result.hintsDropped, c.hintsDropped);
    EXPECT_EQ(ReadBytes("source"), c.bytes) << "the source is only read";
}

INSTANTIATE_TEST_SUITE_P(Delimited, FormatsTest, ::testing::ValuesIn(kDelimited));
INSTANTIATE_TEST_SUITE_P(Anki, FormatsTest, ::testing::ValuesIn(kAnki));
INSTANTIATE_TEST_SUITE_P(Kvtml, FormatsTest, ::testing::ValuesIn(kKvtml));
INSTANTIATE_TEST_SUITE_P(AsWritten, FormatsTest, ::testing::ValuesIn(kAsWritten));

TEST(SourceDetails, FindsSeparatorLanguagesAndLookAlikes)
{
    const Source semicolons = readSourceBytes("a;b,c\nd;e,f\ng;h\n");
    EXPECT_EQ(semicolons.separator, u';');
    const Source tie = readSourceBytes("a,b;c\nd,e;f\n");
    EXPECT_EQ(tie.separator, u';') << "a tie goes to the semicolon before the comma";
    const Source spreadsheet = readSourceBytes(utf16le(u"a\tb\r\n"));
    EXPECT_EQ(spreadsheet.encoding, textfile::kUtf16Le);

    const Source notes = readSourceBytes("#separator:tab\n#deck column:1\nSpanisch\tperro\tHund\tx\n");
    EXPECT_EQ(notes.columns.size(), 3u) << "the deck column is no side to choose";

    const Source words = readSourceBytes(
        "Frage,Antwort\nlunes,Es un día de la semana.\n"
        "martes,Es un día de la semana.\nperro,Es un animal.\n");
    EXPECT_TRUE(words.headerRow);
    EXPECT_EQ(words.columns, (std::vector<std::u16string>{u"Frage", u"Antwort"}));
    const Conversion asked = convert(words, kAskFirst);
    EXPECT_EQ(asked.lookAlikeLines, 2u);
    EXPECT_EQ(asked.lookAlikeCount, 2u);
    EXPECT_EQ(asked.lookAlikeQuestion, u"Es un día de la semana. - _____");
}

class SavedListTest : public TempFolderTest {};

TEST_F(SavedListTest, IsWrittenAsTheEditorSavesALine)
{
    saveList({u"Käse - _cheese_", u"Straße - _street_"}, Name("plain.txt"));
    EXPECT_EQ(ReadBytes("plain.txt"),
              "K\xE4se - _cheese_\r\nStra\xDF"
              "e - _street_");
    saveList({u"5 € - _five euros_"}, Name("euro.txt"));
    EXPECT_EQ(ReadBytes("euro.txt"),
              "\xEF\xBB\xBF"
              "5 \xE2\x82\xAC - _five euros_");
}

TEST_F(SavedListTest, TellsImportFilesFromLists)
{
    WriteBytes("notes.txt", "#separator:tab\nHund\tdog\n");
    WriteBytes("list.txt", "Hund - _dog_\n#separator:tab\n");
    EXPECT_TRUE(isImportFile(Name("notes.txt")));
    EXPECT_FALSE(isImportFile(Name("list.txt")));
    EXPECT_TRUE(isImportFile(u"/any/Vokabeln.KVTML"));
    EXPECT_TRUE(isImportFile(u"/any/words.csv"));
    EXPECT_FALSE(isImportFile(u"/missing/words.txt"));
}

}  // namespace
