#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/anki_package.h"
#include "import/anki_template.h"
#include "import/conversion.h"
#include "textfile/utf8.h"

using namespace listimport;

namespace {

std::u16string file(const char* leaf)
{
    const std::string path = std::string(ANKI_TEST_DATA) + "/" + leaf;
    return std::u16string(path.begin(), path.end());
}

std::u16string u16(std::string_view utf8)
{
    std::u16string text;
    textfile::detail::DecodeUtf8(utf8, text);
    return text;
}

std::string u8(const std::u16string& text)
{
    std::string bytes;
    textfile::detail::AppendUtf8(text, bytes);
    return bytes;
}

// Every card of the stock note types as Anki asks it, in the order the notes
// were added; the Image Occlusion note and the card whose front is only a
// picture give no line.
const std::vector<std::string> kSharedDeckLines = {
    "der Hund - _the dog_",
    "die Katze - _the cat & the kitten_",
    "rot - _red_",
    "red - _rot_",
    "blau - _blue_",
    "blue - _blau_",
    "gr\xC3\xBCn - _green_",
    "gelb - _yellow_",
    "Die Sonne ist _gelb_, der Himmel _blau_.",
    "_Bonn_ war die Hauptstadt, heute ist es _Berlin_.",
    "die Maus - _the mouse_",
};

struct DeckCounts {
    std::string name;
    std::size_t cards, imageOcclusion, mediaOnly, media;
};

struct Layout {
    const char* file;
    bool wholeCollection;
};

std::ostream& operator<<(std::ostream& out, const Layout& layout) { return out << layout.file; }

class AnkiLayoutTest : public ::testing::TestWithParam<Layout> {};

TEST_P(AnkiLayoutTest, GivesOneLinePerCardWithDecksAndWhatWasLeftOut)
{
    const Source source = readAnkiPackage(file(GetParam().file));
    EXPECT_EQ(source.format, Format::AnkiPackage);
    const Conversion result = convert(source, {});

    std::vector<std::string> expected = kSharedDeckLines;
    if (GetParam().wholeCollection)
        expected.push_back("das Pferd - _the horse_");
    std::vector<std::string> lines;
    for (const std::u16string& line : result.lines)
        lines.push_back(u8(line));
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(result.skippedCount(SkipReason::EmptySide), 0u);
    EXPECT_EQ(result.hintsDropped, 1u);

    const std::vector<DeckCounts> decks = {
        {"Default", GetParam().wholeCollection ? 4u : 3u, 1, 0, 1},
        {"Deutsch", 5, 0, 1, 2},
        {"Deutsch::Farben", 7, 0, 0, 0},
    };
    ASSERT_EQ(source.decks.size(), decks.size());
    for (std::size_t i = 0; i < decks.size(); ++i) {
        SCOPED_TRACE(decks[i].name);
        EXPECT_EQ(source.decks[i].name, u16(decks[i].name));
        EXPECT_EQ(source.decks[i].cards, decks[i].cards);
        EXPECT_EQ(source.decks[i].imageOcclusionNotes, decks[i].imageOcclusion);
        EXPECT_EQ(source.decks[i].mediaOnlyCards, decks[i].mediaOnly) << "the card whose front is only a picture";
        EXPECT_EQ(source.decks[i].mediaNotes, decks[i].media);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLayout, AnkiLayoutTest,
                         ::testing::Values(Layout{"anki20.apkg", false}, Layout{"anki21.apkg", false},
                                           Layout{"anki21.colpkg", true}, Layout{"latest.apkg", false},
                                           Layout{"latest.colpkg", true}));

TEST(AnkiDeckChoiceTest, TakesTheNamedDecksAndTheDecksBelowThem)
{
    const Source source = readAnkiPackage(file("latest.apkg"));
    struct Case {
        std::vector<std::u16string> names;
        std::size_t lines;
        std::size_t decks;
    };
    const Case cases[] = {
        {{u"Deutsch"}, 10, 2},
        {{u"Deutsch::Farben"}, 6, 1},
        {{u"Default", u"Deutsch::Farben"}, 7, 2},
        {{u"Deutsch::Farb"}, 0, 0},
    };
    for (const Case& c : cases) {
        const Source chosen = onlyDecks(source, c.names);
        EXPECT_EQ(convert(chosen, {}).lines.size(), c.lines) << u8(c.names.front());
        EXPECT_EQ(chosen.decks.size(), c.decks) << u8(c.names.front());
    }
    EXPECT_EQ(convert(onlyDecks(source, {u"Deutsch"}, DecksBelow::Apart), {}).lines.size(), 4u)
        << "only the deck itself";
    EXPECT_EQ(unknownDeck(source, {u"Deutsch", u"Deutsch::Farb"}), u"Deutsch::Farb");
    EXPECT_EQ(unknownDeck(source, {u"Deutsch::Farben", u"Default"}), std::nullopt);
}

struct TemplateCase {
    const char* name;
    std::u16string front, back;
    std::vector<std::u16string> fields;
    std::u16string shown, added;
};

std::ostream& operator<<(std::ostream& out, const TemplateCase& c) { return out << c.name; }

const std::vector<std::u16string> kFieldNames = {u"Front", u"Back", u"Extra"};

const TemplateCase kTemplates[] = {
    {"basic", u"{{Front}}", u"{{FrontSide}}<hr id=answer>{{Back}}", {u"a", u"b", u""}, u"a", u"b"},
    {"back repeats the front", u"{{Front}}", u"{{Front}}<hr id=answer>{{Back}}", {u"a", u"b", u""}, u"a", u"b"},
    {"typed answer shows nothing on the front",
     u"{{Front}} {{type:Back}}",
     u"{{Front}}<hr>{{type:Back}}",
     {u"a", u"b", u""},
     u"a ",
     u"b"},
    {"own text kept, scripts left out",
     u"Was heißt <b>{{Front}}</b>?<script>var x = '{{Back}}';</script>",
     u"{{Back}}",
     {u"a", u"b", u""},
     u"Was heißt <b>a</b>?",
     u"b"},
    {"section shown when its field holds something",
     u"{{#Extra}}({{Extra}}) {{/Extra}}{{Front}}",
     u"{{Back}}",
     {u"a", u"b", u"x"},
     u"(x) a",
     u"b"},
    {"section hidden when its field is empty",
     u"{{#Extra}}({{Extra}}) {{/Extra}}{{Front}}",
     u"{{Back}}",
     {u"a", u"b", u" "},
     u"a",
     u"b"},
    {"inverted section", u"{{^Extra}}-{{/Extra}}{{Front}}", u"{{Back}}", {u"a", u"b", u""}, u"-a", u"b"},
    {"several fields added", u"{{Front}}", u"{{Back}}{{Extra}}{{Back}}", {u"a", u"b", u"c"}, u"a", u"b; c"},
    {"added field in a hidden section",
     u"{{Front}}",
     u"{{Back}}{{#Front}}{{^Front}}{{Extra}}{{/Front}}{{/Front}}",
     {u"a", u"b", u"c"},
     u"a",
     u"b"},
    {"unknown names and filters",
     u"{{hint:Front}}{{Nope}}{{Tags}}",
     u"{{tts de_DE:Back}}",
     {u"a", u"b", u""},
     u"a",
     u"b"},
    {"a tag never closed is text", u"{{Front}} {{Back", u"{{Back}}", {u"a", u"b", u""}, u"a {{Back", u"b"},
    {"fewer fields than the type names", u"{{Front}}{{Extra}}", u"{{Back}}", {u"a"}, u"a", u""},
};

class CardTemplateTest : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(CardTemplateTest, ShowsTheFrontAndWhatTheBackAdds)
{
    const TemplateCase& c = GetParam();
    const CardTemplate card(c.front, c.back, kFieldNames);
    EXPECT_EQ(card.front(c.fields), c.shown);
    EXPECT_EQ(card.backAdds(c.fields), c.added);
}

INSTANTIATE_TEST_SUITE_P(Templates, CardTemplateTest, ::testing::ValuesIn(kTemplates));

TEST(CardTemplateTest, FindsTheClozeField)
{
    EXPECT_EQ(CardTemplate(u"{{cloze:Back}}", u"{{cloze:Back}}", kFieldNames).clozeField(), 1u);
    EXPECT_EQ(CardTemplate(u"{{Front}}", u"{{Back}}", kFieldNames).clozeField(), std::nullopt);
}

}  // namespace
