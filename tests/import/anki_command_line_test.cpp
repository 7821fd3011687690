#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "program_run.h"
#include "temp_folder.h"

namespace {

// One run of `lernwerk --import` on an Anki package copied into a fresh folder.
struct PackageRun {
    const char* name;
    const char* package;  // from the test data; "" for a damaged one
    const char* arguments;
    int status;
    const char* said;
    // The list's first line, or "" when no list may be written.
    const char* firstLine;
};

std::ostream& operator<<(std::ostream& out, const PackageRun& r) { return out << r.name; }

const PackageRun kRuns[] = {
    {"Anki 2.0", "anki20.apkg", "", 0, "11 lines written", "der Hund - _the dog_"},
    {"Anki 2.1 legacy", "anki21.apkg", "", 0, "Image Occlusion notes left out (they hide parts of a picture): 1",
     "der Hund - _the dog_"},
    {"latest collection", "latest.colpkg", "", 0, "12 lines written", "der Hund - _the dog_"},
    {"media said", "latest.apkg", "", 0, "Notes that refer to pictures or sounds, which are not imported: 3",
     "der Hund - _the dog_"},
    {"decks chosen", "latest.apkg", "--deck Deutsch::Farben --deck Default", 0, "7 lines written", "rot - _red_"},
    {"a deck takes the decks below it", "anki21.apkg", "--deck Deutsch", 0, "10 lines written", "der Hund - _the dog_"},
    {"an unknown deck", "latest.apkg", "--deck Englisch", 1,
     "The package has no deck \"Englisch\"; its decks: Default, Deutsch, Deutsch::Farben", ""},
    {"a damaged package", "", "", 1, "the Anki package is broken or none (not a zip archive", ""},
};

class AnkiCommandLineTest : public TempFolderTest, public ::testing::WithParamInterface<PackageRun> {};

TEST_P(AnkiCommandLineTest, WritesTheCardsOrNothingAndSaysWhy)
{
    const PackageRun& r = GetParam();
    if (*r.package != '\0')
        std::filesystem::copy_file(std::filesystem::path(ANKI_TEST_DATA) / r.package, Path("shared.apkg"));
    else
        WriteBytes("shared.apkg", "no zip at all");
    const auto [status, said] = runIn(Path(""), std::string("--import shared.apkg --output list.txt ") + r.arguments);
    EXPECT_EQ(status, r.status) << said;
    EXPECT_NE(said.find(r.said), std::string::npos) << said;
    const std::string list = ReadBytes("list.txt");
    EXPECT_EQ(list.substr(0, list.find("\r\n")), r.firstLine);
    EXPECT_EQ(Entries().size(), *r.firstLine != '\0' ? 2u : 1u) << "nothing but the list is written";
}

INSTANTIATE_TEST_SUITE_P(Packages, AnkiCommandLineTest, ::testing::ValuesIn(kRuns));

class DeckOptionTest : public TempFolderTest {};

TEST_F(DeckOptionTest, IsForPackagesOnly)
{
    WriteBytes("words.csv", "Hund,dog\n");
    const auto [status, said] = runIn(Path(""), "--import words.csv --output list.txt --deck Default");
    EXPECT_EQ(status, 1) << said;
    EXPECT_NE(said.find("--deck applies to Anki packages (.apkg, .colpkg) only."), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(Path("list.txt")));
}

}  // namespace
