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
    const std::string command = "cd '" + Path("").string() + "' && '" LERNWERK_BINARY "' " + r.arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string said;
    char buffer[512];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
        said.append(buffer, got);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status)) << said;
    EXPECT_EQ(WEXITSTATUS(status), r.status) << said;
    EXPECT_NE(said.find(r.said), std::string::npos) << said;
    const std::string written =
        std::string(r.arguments).find("taken.txt") != std::string::npos ? "taken.txt" : "list.txt";
    EXPECT_EQ(ReadBytes(written), r.list);
    EXPECT_EQ(ReadBytes("words.csv"), "Hund,dog\nKatze,cat\n,mouse\n");
}

INSTANTIATE_TEST_SUITE_P(Import, CommandLineTest, ::testing::ValuesIn(kInvocations));

}  // namespace
