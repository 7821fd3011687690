#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>

#include "temp_folder.h"
#include "textfile/text_lines.h"
#include "textfile/u_WideFunc.h"

namespace {

namespace fs = std::filesystem;

using FileAccess = TempFolderTest;

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const textfile::FileError& error) {
        return error.what();
    }
    return "no error";
}

const struct Reader {
    const char* name;
    std::function<void(const std::u16string&)> read;
} kReaders[] = {
    {"GetTextFileEncoding", [](const std::u16string& name) { textfile::GetTextFileEncoding(name); }},
    {"ReadTextFile", [](const std::u16string& name) { textfile::ReadTextFile(name); }},
    {"ReadTextLines", [](const std::u16string& name) { textfile::ReadTextLines(name); }},
};

const struct Writer {
    const char* name;
    std::function<void(const std::u16string& text, const std::u16string& name)> write;
} kWriters[] = {
    {"WriteTextFile", [](const std::u16string& text,
                         const std::u16string& name) { textfile::WriteTextFile(text, name, textfile::kUtf8, true); }},
    {"SaveTextLines", [](const std::u16string& text,
                         const std::u16string& name) { textfile::SaveTextLines(text, name, textfile::kAnsi); }},
};

TEST_F(FileAccess, ReadersNameTheFullPathAndTheSystemsReason)
{
    fs::create_directory(Path("folder"));
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    const std::string full = folder_.string();
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        EXPECT_EQ(MessageOf([&] { reader.read(Name("sub/../missing.txt")); }),
                  "Cannot open file \"" + full + "/missing.txt\". No such file or directory");
        EXPECT_EQ(MessageOf([&] { reader.read(Name("folder")); }),
                  "Cannot open file \"" + full + "/folder\". Is a directory");
        EXPECT_EQ(MessageOf([&] { reader.read(Name("pipe")); }),
                  "Cannot open file \"" + full + "/pipe\". Not a regular file");
    }
}

TEST_F(FileAccess, ReadersShareTheFileButWaitForNoWriter)
{
    WriteBytes("f.txt", "abc");
    const int other = open(Path("f.txt").c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_SH), 0);
    EXPECT_EQ(textfile::ReadTextFile(Name("f.txt")), u"abc");
    ASSERT_EQ(flock(other, LOCK_EX), 0);
    for (const Reader& reader : kReaders) {
        EXPECT_EQ(MessageOf([&] { reader.read(Name("f.txt")); }),
                  "Cannot open file \"" + Path("f.txt").string() + "\". Resource temporarily unavailable")
            << reader.name;
    }
    close(other);
}

TEST_F(FileAccess, WritersThatCannotCreateTouchNothing)
{
    fs::create_directory(Path("folder"));
    const std::string full = folder_.string();
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        EXPECT_EQ(MessageOf([&] { writer.write(u"x", Name("none/f.txt")); }),
                  "Cannot create file \"" + full + "/none/f.txt\". No such file or directory");
        EXPECT_EQ(MessageOf([&] { writer.write(u"x", Name("folder")); }),
                  "Cannot create file \"" + full + "/folder\". Is a directory");
        EXPECT_EQ(Entries(), std::vector<std::string>{"folder"});
        EXPECT_TRUE(fs::is_empty(Path("folder")));
    }
    EXPECT_EQ(MessageOf([&] { textfile::WriteTextFile(u"x", Name("f.txt"), 1252, true); }),
              "Unknown text encoding 1252");
    EXPECT_EQ(Entries(), std::vector<std::string>{"folder"});
}

TEST_F(FileAccess, PictureNamesAreRefused)
{
    WriteBytes("bild.jpg", "picture");
    for (const char* name : {"bild.jpg", "Bild.Jpeg", "x.gif", "X.BMP", "liste.txt.jpg"}) {
        EXPECT_FALSE(textfile::WriteTextFile(u"x", Name(name), textfile::kUtf8, true)) << name;
    }
    EXPECT_EQ(Entries(), std::vector<std::string>{"bild.jpg"});
    EXPECT_EQ(ReadBytes("bild.jpg"), "picture");

    fs::create_directory(Path("a.jpg"));
    for (const char* name : {"liste.jpg.txt", "C:\\a.jpg\\liste", "a.jpg/liste", "x.jpgs", "jpg"}) {
        EXPECT_TRUE(textfile::WriteTextFile(u"x", Name(name), textfile::kUtf8, false)) << name;
        EXPECT_EQ(ReadBytes(name), "x") << name;
    }
}

TEST_F(FileAccess, SavingReplacesTheFileWhole)
{
    const std::string original = "old list\r\nwith two lines\r\n";
    WriteBytes("liste.txt", original);
    ASSERT_EQ(chmod(Path("liste.txt").c_str(), 0640), 0);
    fs::create_symlink("liste.txt", Path("link.txt"));

    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        writer.write(u"new", Name("link.txt"));
        EXPECT_TRUE(fs::is_symlink(Path("link.txt")));
        EXPECT_EQ(textfile::ReadTextFile(Name("liste.txt")), u"new");
        EXPECT_EQ(fs::status(Path("liste.txt")).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_EQ(Entries().size(), 2u);
    }

    const std::u16string unusual = Name("") + u"Fragen äöü \U0001F600.txt";
    textfile::SaveTextLines(u"x", unusual, textfile::kUtf8);
    EXPECT_EQ(ReadBytes("Fragen \xC3\xA4\xC3\xB6\xC3\xBC \xF0\x9F\x98\x80.txt"), "\xEF\xBB\xBFx");
}

TEST_F(FileAccess, DiskThatTakesOnlyPartOfTheWriteLeavesTheOldFile)
{
    const std::string original = "old list\r\n";
    WriteBytes("liste.txt", original);
    const std::u16string name = Name("liste.txt");
    const std::u16string longText(200'000, u'x');

    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // The child may write no more than 64 KiB to any file; write() then stops short.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{65'536, 65'536};
            setrlimit(RLIMIT_FSIZE, &limit);
            const std::string message = MessageOf([&] { writer.write(longText, name); });
            _exit(message == "Stream write error" ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the child saw no \"Stream write error\"";
        EXPECT_EQ(ReadBytes("liste.txt"), original);
        EXPECT_EQ(Entries(), std::vector<std::string>{"liste.txt"});
    }
}

// A list kept elsewhere through a link: saving writes the link's target,
// made if it does not exist yet, and keeps the link.
TEST_F(FileAccess, SavingWritesThroughLinksToTheirTargets)
{
    fs::create_directories(Path("sync/listen"));
    const struct {
        const char* name;
        const char* link;
        std::string linkTo;
        const char* target;  // relative to the test folder
    } links[] = {
        {"dangling, relative", "a.txt", "sync/listen/a.txt", "sync/listen/a.txt"},
        {"dangling, absolute", "b.txt", Path("sync/listen/b.txt").string(), "sync/listen/b.txt"},
        {"relative to the link's own folder", "sync/c.txt", "listen/c.txt", "sync/listen/c.txt"},
        {"a link to a link", "d.txt", "sync/c.txt", "sync/listen/c.txt"},
    };
    for (const auto& link : links) {
        SCOPED_TRACE(link.name);
        fs::create_symlink(link.linkTo, Path(link.link));
        for (const Writer& writer : kWriters) {
            SCOPED_TRACE(writer.name);
            writer.write(std::u16string(u"neu ") + static_cast<char16_t>(writer.name[0]), Name(link.link));
            EXPECT_TRUE(fs::is_symlink(Path(link.link)));
            EXPECT_EQ(fs::read_symlink(Path(link.link)), link.linkTo);
            EXPECT_EQ(textfile::ReadTextFile(Name(link.target)),
                      std::u16string(u"neu ") + static_cast<char16_t>(writer.name[0]));
        }
    }
    std::vector<std::string> entries = Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"a.txt", "b.txt", "d.txt", "sync"}));

    // A target whose folder is missing, and links in a circle: nothing is written.
    fs::create_symlink("fehlt/e.txt", Path("e.txt"));
    fs::create_symlink("f.txt", Path("g.txt"));
    fs::create_symlink("g.txt", Path("f.txt"));
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        EXPECT_EQ(MessageOf([&] { writer.write(u"x", Name("e.txt")); }),
                  "Cannot create file \"" + Path("fehlt/e.txt").string() + "\". No such file or directory");
        EXPECT_EQ(MessageOf([&] { writer.write(u"x", Name("f.txt")); }),
                  "Cannot create file \"" + Path("f.txt").string() + "\". Too many levels of symbolic links");
    }
    EXPECT_FALSE(fs::exists(Path("fehlt")));
    EXPECT_TRUE(fs::is_symlink(Path("e.txt")));
}

TEST_F(FileAccess, MakingFoldersNamesTheFolderThatCouldNotBeMade)
{
    textfile::MakeFolders(Name("a/b/c"));
    textfile::MakeFolders(Name("a/b/c/"));  // there already
    EXPECT_TRUE(fs::is_directory(Path("a/b/c")));
    WriteBytes("datei", "");
    EXPECT_EQ(MessageOf([&] { textfile::MakeFolders(Name("datei/lernwerk")); }),
              "Cannot create folder \"" + Path("datei").string() + "\". Not a directory");
    if (geteuid() == 0)
        return;  // permissions do not bind the superuser
    ASSERT_EQ(chmod(Path("a").c_str(), 0555), 0);
    EXPECT_EQ(MessageOf([&] { textfile::MakeFolders(Name("a/neu/lernwerk")); }),
              "Cannot create folder \"" + Path("a/neu").string() + "\". Permission denied");
    EXPECT_FALSE(fs::exists(Path("a/neu")));
}

TEST_F(FileAccess, ReadOnlyFilesAndFoldersAreNotReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    WriteBytes("fest.txt", "fixed");
    ASSERT_EQ(chmod(Path("fest.txt").c_str(), 0444), 0);
    EXPECT_EQ(MessageOf([&] { textfile::SaveTextLines(u"x", Name("fest.txt"), textfile::kUtf8); }),
              "Cannot create file \"" + Path("fest.txt").string() + "\". Permission denied");
    ASSERT_EQ(chmod(folder_.c_str(), 0555), 0);
    EXPECT_EQ(MessageOf([&] { textfile::SaveTextLines(u"x", Name("neu.txt"), textfile::kUtf8); }),
              "Cannot create file \"" + Path("neu.txt").string() + "\". Permission denied");
    EXPECT_EQ(ReadBytes("fest.txt"), "fixed");
    EXPECT_EQ(Entries(), std::vector<std::string>{"fest.txt"});
}

}  // namespace
