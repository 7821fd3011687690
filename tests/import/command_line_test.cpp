#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "temp_folder.h"

namespace {

// One run of `lernwerk --import` in a fresh folder that holds one source.
struct Invocation {
    const char* name;
    const char* arguments;
    int status;
    // What the terminal shows (both streams), in part.
    const char* said;
    // The list written, or "" when none may be.
    const char* list;
};

std::ostream& operator<<(std::ostream& out, const Invocation& r) { return out << r.name; }

struct Outcome {
    int status = -1;
    std::string said;  // both streams
};

// Runs the program with `arguments` in `folder`.
Outcome runIn(const std::filesystem::path& folder, const std::string& arguments)
{
    const std::string command = "cd '" + folder.string() + "' && '" LERNWERK_BINARY "' " + arguments + " 2>&1";
    Outcome outcome;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        outcome.said.append(buffer, got);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

const Invocation kInvocations[] = {
    {"converts and counts", "--import words.csv --output list.txt", 0, "2 lines written to",
     "Hund - _dog_\r\nKatze - _cat_"},
    {"asks the first side of chosen columns", "--import words.csv --output list.txt --ask first --columns 2,1", 0,
     "Skipped because a side is empty: 1", "Hund - _dog_\r\nKatze - _cat_"},
    {"a separator the user gives", "--import words.csv --output list.txt --separator ';'", 1,
     "no line holds two fields", ""},
    {"an existing output", "--import words.csv --output taken.txt", 1, "taken.txt\" exists already", "kept"},
    {"an existing output replaced", "--import words.csv --output taken.txt --force", 0, "2 lines written",
     "Hund - _dog_\r\nKatze - _cat_"},
    {"never over the source", "--import words.csv --output words.csv --force", 1, "is the file being imported", ""},
    {"a missing source", "--import gone.csv --output list.txt", 1, "Cannot import \"", ""},
    {"an unknown format", "--import picture.png --output list.txt", 1, "neither kvtml nor delimited text", ""},
    {"no output named", "--import words.csv", 1, "--import needs --output", ""},
    {"a wrong --ask", "--import words.csv --output list.txt --ask all", 1, "--ask takes first, second or both", ""},
};

class CommandLineTest : public TempFolderTest, public ::testing::WithParamInterface<Invocation> {};

TEST_P(CommandLineTest, ExitsWithItsStatusAndSaysWhy)
{
    const Invocation& r = GetParam();
    WriteBytes("words.csv", "Hund,dog\nKatze,cat\n,mouse\n");
    WriteBytes("picture.png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    WriteBytes("taken.txt", "kept");
    const auto [status, said] = runIn(Path(""), r.arguments);
    EXPECT_EQ(status, r.status) << said;
    EXPECT_NE(said.find(r.said), std::string::npos) << said;
    const std::string written =
        std::string(r.arguments).find("taken.txt") != std::string::npos ? "taken.txt" : "list.txt";
    EXPECT_EQ(ReadBytes(written), r.list);
    EXPECT_EQ(ReadBytes("words.csv"), "Hund,dog\nKatze,cat\n,mouse\n");
}

INSTANTIATE_TEST_SUITE_P(Import, CommandLineTest, ::testing::ValuesIn(kInvocations));

class KeptFileTest : public TempFolderTest {};

TEST_F(KeptFileTest, NeverWritesOverTheListTheProgramKeeps)
{
    // Run from the build folder, the program keeps its lists beside itself.
    const std::filesystem::path kept = std::filesystem::path(LERNWERK_BINARY).parent_path() / "LastQuestionnaire.txt";
    const bool existed = std::filesystem::exists(kept);
    WriteBytes("words.csv", "Hund,dog\n");
    const auto [status, said] = runIn(Path(""), "--import words.csv --output '" + kept.string() + "' --force");
    EXPECT_EQ(status, 1) << said;
    EXPECT_NE(said.find("is kept by the program itself"), std::string::npos) << said;
    EXPECT_EQ(std::filesystem::exists(kept), existed);
}

}  // namespace
