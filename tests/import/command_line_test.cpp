#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "program_run.h"
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
    const auto [status, said] = runIn(Path(""), r.arguments);
    EXPECT_EQ(status, r.status) << said;
    EXPECT_NE(said.find(r.said), std::string::npos) << said;
    const std::string written =
        std::string(r.arguments).find("taken.txt") != std::string::npos ? "taken.txt" : "list.txt";
    EXPECT_EQ(ReadBytes(written), r.list);
    EXPECT_EQ(ReadBytes("words.csv"), "Hund,dog\nKatze,cat\n,mouse\n");
}

INSTANTIATE_TEST_SUITE_P(Import, CommandLineTest, ::testing::ValuesIn(kInvocations));

// What a source gives on the command line, where it once gave a wrong result.
struct Conversion {
    const char* name;
    const char* source;
    const char* arguments;
    // "de": run with the German interface.
    const char* language;
    int status;
    const char* said;
    // What out.txt holds afterwards; it held "kept" before.
    const char* list;
};

std::ostream& operator<<(std::ostream& out, const Conversion& c) { return out << c.name; }

const std::string kManyColumns = std::string("a").append(300, ';').append("b\n");

const Conversion kConversions[] = {
    {"nothing to write keeps the old list", "a_b;x\nc_d;y\n", "--force", "en", 1, "No line to write; \"", "kept"},
    {"a first row of names is named", "Sprache;language\nHund;dog\n", "--force", "en", 0,
     "The first row names the columns and is not imported: Sprache;language", "Hund - _dog_"},
    {"a first row of names kept on request", "Sprache;language\nHund;dog\n", "--force --keep-first-row", "en", 0,
     "2 lines written", "Sprache - _language_\r\nHund - _dog_"},
    {"one line written", "Hund;dog\n", "--force", "en", 0, "1 line written to \"", "Hund - _dog_"},
    {"one line written, in German", "Hund;dog\n", "--force", "de", 0, "1 Zeile nach \"", "Hund - _dog_"},
    {"a comparison sign with the separator given", "<=;kleiner oder gleich\n", "--force --separator ';'", "en", 0,
     "1 line written", "<= - _kleiner oder gleich_"},
    {"a separator beyond ASCII",
     "Hund\xC2\xA7"
     "dog\nStra\xC3\x9F"
     "e\xC2\xA7street\n",
     "--force --separator '\xC2\xA7'", "en", 0, "2 lines written",
     "Hund - _dog_\r\nStra\xDF"
     "e - _street_"},
    {"a line of too many columns", kManyColumns.c_str(), "--force", "en", 1,
     "the file has more than 256 columns or languages", "kept"},
};

class ConversionTest : public TempFolderTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(ConversionTest, WritesWhatTheSourceHoldsOrKeepsTheOldList)
{
    const Conversion& c = GetParam();
    WriteBytes("in.csv", c.source);
    WriteBytes("out.txt", "kept");
    WriteBytes(c.language, "");
    const auto [status, said] = runIn(Path(""), std::string("--import in.csv --output out.txt ") + c.arguments);
    EXPECT_EQ(status, c.status) << said;
    EXPECT_NE(said.find(c.said), std::string::npos) << said;
    EXPECT_EQ(ReadBytes("out.txt"), c.list);
}

INSTANTIATE_TEST_SUITE_P(Import, ConversionTest, ::testing::ValuesIn(kConversions));

// The memory a source may take while it is converted: about ten times its
// size, besides what the program takes for any file.
constexpr std::size_t kMemoryPerSourceByte = 12;

struct Measured {
    int status = -1;
    std::size_t peakBytes = 0;
};

// Runs `lernwerk --import SOURCE --output out.txt --force` in `folder` as a
// child process and measures the most memory it held.
Measured measureImport(const std::filesystem::path& folder, const std::string& source)
{
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        if (chdir(folder.c_str()) != 0 || quiet < 0)
            _exit(127);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(LERNWERK_BINARY, LERNWERK_BINARY, "--import", source.c_str(), "--output", "out.txt", "--force",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    Measured measured;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return measured;
    measured.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    measured.peakBytes = static_cast<std::size_t>(usage.ru_maxrss) * 1024;  // given in kilobytes
    return measured;
}

struct LargeSource {
    const char* name;
    std::string (*make)();
    int status;
};

std::ostream& operator<<(std::ostream& out, const LargeSource& l) { return out << l.name; }

constexpr std::size_t kLargeBytes = 16 * 1024 * 1024;

std::string repeated(const std::string& line)
{
    std::string text;
    text.reserve(kLargeBytes + line.size());
    while (text.size() < kLargeBytes)
        text += line;
    return text;
}

const LargeSource kLargeSources[] = {
    {"kvtml of a thousand languages and empty entries",
     [] {
         std::string text = "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers>";
         for (int id = 0; id < 1000; ++id)
             text += "<identifier id=\"" + std::to_string(id) + "\"><name>L</name></identifier>";
         text += "</identifiers><entries>";
         for (int entry = 0; entry < 50000; ++entry)
             text += "<entry></entry>";
         return text + "</entries></kvtml>";
     },
     1},
    {"one line of semicolons", [] { return std::string(kLargeBytes, ';'); }, 1},
    {"lines of semicolons", [] { return repeated(std::string(99, ';') + "\n"); }, 1},
    {"lines with a word far right",
     [] {
         std::string text = "a;b\n";
         text += repeated(std::string(250, ';') + "x\n");
         return text;
     },
     0},
    {"short word pairs", [] { return repeated("Hund12;dog34\nKatze5;cat678\n"); }, 0},
};

class SourceMemoryTest : public TempFolderTest, public ::testing::WithParamInterface<LargeSource> {};

TEST_P(SourceMemoryTest, TakesMemoryInProportionToItsSize)
{
    const LargeSource& l = GetParam();
    WriteBytes("small.csv", "Hund;dog\n");
    const Measured small = measureImport(Path(""), "small.csv");
    ASSERT_EQ(small.status, 0);
    const std::string bytes = l.make();
    WriteBytes("large.csv", bytes);
    const Measured large = measureImport(Path(""), "large.csv");
    EXPECT_EQ(large.status, l.status);
#if defined(__SANITIZE_ADDRESS__)
    return;  // the sanitizer's own bookkeeping takes memory beyond the program's
#endif
    EXPECT_LE(large.peakBytes, small.peakBytes + kMemoryPerSourceByte * bytes.size())
        << "a source of " << bytes.size() << " bytes took " << large.peakBytes << " bytes, a small one "
        << small.peakBytes;
}

INSTANTIATE_TEST_SUITE_P(Import, SourceMemoryTest, ::testing::ValuesIn(kLargeSources));

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

// A link named as the output, also one whose target does not exist yet, leads
// to where the save would write; a kept file there is refused.
TEST_F(KeptFileTest, NeverWritesAKeptFileThroughALink)
{
    namespace fs = std::filesystem;
    const fs::path programFolder = fs::path(LERNWERK_BINARY).parent_path();
    const struct {
        const char* name;
        const char* keptFile;
        // How out.txt leads there: "direct" links to the kept file itself,
        // "relative" through a relative link to a folder link, "chain" through
        // a second, dangling link.
        const char* how;
    } links[] = {
        {"the journal, directly", "progress.sqlite-wal", "direct"},
        {"the shared memory, relatively", "progress.sqlite-shm", "relative"},
        {"the English last list, through a chain", "LastQuestionnaire.txt", "chain"},
        {"the German last list, directly", "LetzteFrageliste.txt", "direct"},
        {"the progress file, through a chain", "progress.sqlite", "chain"},
    };
    WriteBytes("words.csv", "Hund,dog\n");
    fs::create_directory_symlink(programFolder, Path("program"));
    for (const auto& link : links) {
        SCOPED_TRACE(link.name);
        const fs::path kept = programFolder / link.keptFile;
        const bool existed = fs::exists(kept);
        const auto size = existed ? fs::file_size(kept) : 0;
        fs::remove(Path("out.txt"));
        fs::remove(Path("step.txt"));
        if (std::string_view(link.how) == "direct") {
            fs::create_symlink(kept, Path("out.txt"));
        } else if (std::string_view(link.how) == "relative") {
            fs::create_symlink(fs::path("program") / link.keptFile, Path("out.txt"));
        } else {
            fs::create_symlink(kept, Path("step.txt"));
            fs::create_symlink("step.txt", Path("out.txt"));
        }
        const auto [status, said] = runIn(Path(""), "--import words.csv --output out.txt --force");
        EXPECT_EQ(status, 1) << said;
        EXPECT_NE(said.find("is kept by the program itself"), std::string::npos) << said;
        EXPECT_EQ(fs::exists(kept), existed);
        if (existed) {
            EXPECT_EQ(fs::file_size(kept), size);
        }
    }
}

}  // namespace
