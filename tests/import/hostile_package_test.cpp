#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "import/anki_package.h"
#include "temp_folder.h"
#include "zip_writer.h"

using namespace listimport;

namespace {

const std::filesystem::path kData = ANKI_TEST_DATA;

// A package that is broken or made to harm, written into the test's folder,
// and the words the reason must hold.
struct HostilePackage {
    const char* name;
    std::function<void(const std::filesystem::path& package, const std::filesystem::path& folder)> make;
    const char* reason;
};

std::ostream& operator<<(std::ostream& out, const HostilePackage& p) { return out << p.name; }

std::string readAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string sqliteFile(const std::filesystem::path& folder, const char* sql)
{
    const std::filesystem::path file = folder / "made.sqlite";
    {
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(sql);
    }
    std::string bytes = readAll(file);
    std::filesystem::remove(file);
    return bytes;
}

const std::string kMetaLatest("\x08\x03", 2);

const HostilePackage kHostile[] = {
    {"garbage", [](auto& p, auto&) { writeAll(p, "\x89PNG\r\n\x1A\n not a zip at all, nor anything else"); },
     "not a zip"},
    {"empty file", [](auto& p, auto&) { writeAll(p, ""); }, "not a zip"},
    {"zip of nothing", [](auto& p, auto&) { writeZip(p, {}); }, "no Anki collection"},
    {"truncated zip",
     [](auto& p, auto&) {
         const std::string whole = readAll(kData / "anki21.apkg");
         writeAll(p, whole.substr(0, whole.size() / 2));
     },
     "zip archive"},
    {"deflate bomb",
     [](auto& p, auto&) {
         writeZip(p, {{"collection.anki2", std::string(1 << 20, '\0'), 80}});
     },
     "unpacks to more than 64 MB"},
    {"zstd bomb",
     [](auto& p, auto&) {
         writeZip(p, {{"meta", kMetaLatest}, {"collection.anki21b", zstdStream(std::string(1 << 20, 'x'), 100)}});
     },
     "unpacks to more than 64 MB"},
    {"zstd frame that never ends",
     [](auto& p, auto&) {
         const std::string stream = zipEntry(kData / "latest.apkg", "collection.anki21b");
         writeZip(p, {{"meta", kMetaLatest}, {"collection.anki21b", stream.substr(0, stream.size() / 2)}});
     },
     "cut short"},
    {"collection that is no zstd stream",
     [](auto& p, auto&) {
         writeZip(
             p, {{"meta", kMetaLatest}, {"collection.anki21b", zipEntry(kData / "anki21.apkg", "collection.anki21")}});
     },
     "not a zstd stream"},
    {"entry named to climb out",
     [](auto& p, auto&) {
         writeZip(p, {{"../../collection.anki2", zipEntry(kData / "anki20.apkg", "collection.anki2")}});
     },
     "no Anki collection"},
    {"collection that is not SQLite",
     [](auto& p, auto&) {
         writeZip(p, {{"collection.anki2", std::string(8192, 'A')}});
     },
     "not an SQLite database"},
    {"collection of foreign tables",
     [](auto& p, auto& folder) {
         writeZip(p, {{"collection.anki2", sqliteFile(folder,
                                                      "create table people (name text); insert into people "
                                                      "values ('x')")}});
     },
     "no table \"col\""},
    {"collection whose note types are no JSON",
     [](auto& p, auto& folder) {
         writeZip(p, {{"collection.anki2",
                       sqliteFile(folder,
                                  "create table col (models text, decks text); insert into col values ('{x', "
                                  "'{}'); create table notes (id); create table cards (nid)")}});
     },
     "tables are not Anki's"},
    {"collection whose schema makes huge values",
     [](auto& p, auto& folder) {
         writeZip(p, {{"collection.anki2",
                       sqliteFile(folder,
                                  "create table col (models text, decks text); insert into col values ('{}', "
                                  "'{}'); create table notes (id, mid, flds as (zeroblob(100000000))); "
                                  "insert into notes values (1, 1); create table cards (nid, did, ord)")}});
     },
     "tables are not Anki's"},
    {"latest collection with a damaged template",
     [](auto& p, auto& folder) {
         writeZip(
             p,
             {{"meta", kMetaLatest},
              {"collection.anki21b",
               zstdStream(sqliteFile(folder,
                                     "create table col (id); create table notes (id, mid, flds); create table cards "
                                     "(nid, did, ord); create table notetypes (id, name, config); create table fields "
                                     "(ntid, ord, name); create table decks (id, name); create table templates (ntid, "
                                     "ord, config); insert into templates values (1, 0, x'0a7f41')"))}});
     },
     "template is damaged"},
    {"newer package version",
     [](auto& p, auto&) {
         writeZip(p, {{"meta", std::string("\x08\x07", 2)}, {"collection.anki21b", ""}});
     },
     "newer Anki"},
    {"only the dummy collection",
     [](auto& p, auto&) {
         writeZip(p, {{"collection.anki2", zipEntry(kData / "latest.apkg", "collection.anki2")}});
     },
     "holds no cards"},
};

class HostilePackageTest : public TempFolderTest, public ::testing::WithParamInterface<HostilePackage> {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        // The reader's temporary folder goes here, to be seen gone afterwards.
        std::filesystem::create_directory(Path("tmp"));
        const char* previous = std::getenv("TMPDIR");
        previousTmp_ = previous != nullptr ? std::optional<std::string>(previous) : std::nullopt;
        setenv("TMPDIR", Path("tmp").c_str(), 1);
    }
    void TearDown() override
    {
        if (previousTmp_)
            setenv("TMPDIR", previousTmp_->c_str(), 1);
        else
            unsetenv("TMPDIR");
        TempFolderTest::TearDown();
    }

    std::optional<std::string> previousTmp_;
};

TEST_P(HostilePackageTest, FailsWithTheReasonAndLeavesNothing)
{
    const HostilePackage& hostile = GetParam();
    std::filesystem::create_directories(Path("deep/er"));
    const std::filesystem::path package = Path("deep/er/shared.apkg");
    hostile.make(package, folder_);
    try {
        readAnkiPackage(Name("deep/er/shared.apkg"));
        FAIL() << "read without complaint";
    } catch (const ImportError& error) {
        EXPECT_EQ(error.kind(), ImportError::Kind::BrokenPackage);
        EXPECT_NE(std::string(error.what()).find(hostile.reason), std::string::npos) << error.what();
    }
    EXPECT_TRUE(std::filesystem::is_empty(Path("tmp"))) << "the temporary folder is left behind";
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u) << "something was written beside the package";
}

INSTANTIATE_TEST_SUITE_P(Packages, HostilePackageTest, ::testing::ValuesIn(kHostile), [](const auto& test) {
    std::string name;
    for (const char c : std::string(test.param.name))
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

}  // namespace
