#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "memory/question_key.h"
#include "memory/review_store.h"
#include "program_run.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// One run of `lernwerk --export-reviews` by a copy of the program in "program/",
// which keeps its progress beside itself, started in the folder above it.
struct ExportRun {
    const char* name;
    const char* arguments;
    bool withProgress;
    int status;
    // What the terminal shows (both streams), in part.
    const char* said;
    // What out.csv holds afterwards: "csv" the reviews, "kept" what it held
    // before, "" none may be there.
    const char* written;
};

std::ostream& operator<<(std::ostream& out, const ExportRun& r) { return out << r.name; }

const ExportRun kRuns[] = {
    {"writes every review", "--export-reviews out.csv", true, 0, "3 reviews of 2 questions written to", "csv"},
    {"an existing file stays", "--export-reviews taken.csv", true, 1, "exists already", "kept"},
    {"an existing file replaced on request", "--export-reviews taken.csv --force", true, 0, "3 reviews", "csv"},
    {"never over the progress file", "--export-reviews program/progress.sqlite --force", true, 1,
     "is kept by the program itself", ""},
    {"no progress yet", "--export-reviews out.csv", false, 1, "There are no reviews to export", ""},
    {"a folder that is not there", "--export-reviews missing/out.csv", true, 1, "Cannot write", ""},
};

class ExportCommandTest : public TempFolderTest, public ::testing::WithParamInterface<ExportRun> {};

TEST_P(ExportCommandTest, WritesTheReviewsOrSaysWhyNot)
{
    const ExportRun& r = GetParam();
    fs::create_directory(Path("program"));
    fs::copy_file(LERNWERK_BINARY, Path("program/lernwerk"));
    WriteBytes("en", "");
    WriteBytes("taken.csv", "kept");
    constexpr std::int64_t kStart = 1728000000000;  // 2024-10-04 00:00 UTC
    constexpr std::int64_t kDayMs = 86400000;
    if (r.withProgress) {
        memory::ReviewStore store(Path("program/progress.sqlite"));
        store.record(u"Haus | _house_", memory::Rating::Good, kStart, 20000);
        store.record(u"Baum | _tree_", memory::Rating::Good, kStart + 1000, 20000);
        store.record(u"Haus | _house_", memory::Rating::Again, kStart + 3 * kDayMs, 20003);
    }
    const std::string progressBefore = r.withProgress ? ReadBytes("program/progress.sqlite") : "";

    const auto [status, said] = runCommand("cd '" + folder_.string() + "' && program/lernwerk " + r.arguments);
    EXPECT_EQ(status, r.status) << said;
    EXPECT_NE(said.find(r.said), std::string::npos) << said;

    // A question is one card, its first review New (0), the later ones Review (2); no durations are known.
    const std::string house = std::to_string(memory::question_key(u"Haus | _house_"));
    const std::string tree = std::to_string(memory::question_key(u"Baum | _tree_"));
    const std::string houseRows = house + "," + std::to_string(kStart) + ",3,0,0\n" + house + "," +
                                  std::to_string(kStart + 3 * kDayMs) + ",1,2,0\n";
    const std::string treeRows = tree + "," + std::to_string(kStart + 1000) + ",3,0,0\n";
    const std::string csv =
        "card_id,review_time,review_rating,review_state,review_duration\n" +
        (memory::question_key(u"Haus | _house_") < memory::question_key(u"Baum | _tree_") ? houseRows + treeRows
                                                                                          : treeRows + houseRows);
    const std::string expected = std::string(r.written) == "csv" ? csv : r.written;
    const std::string target =
        std::string(r.arguments).find("taken.csv") != std::string::npos ? "taken.csv" : "out.csv";
    EXPECT_EQ(fs::exists(Path(target)) ? ReadBytes(target) : "", expected);
    EXPECT_FALSE(fs::exists(Path("missing")));
    // The progress file is only read, and never made.
    EXPECT_EQ(fs::exists(Path("program/progress.sqlite")), r.withProgress);
    if (r.withProgress) {
        EXPECT_EQ(ReadBytes("program/progress.sqlite"), progressBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(Export, ExportCommandTest, ::testing::ValuesIn(kRuns));

}  // namespace
