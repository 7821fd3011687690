#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sched.h>
#include <sys/mount.h>

#include <algorithm>
#include <csignal>
#include <functional>

#include "temp_folder.h"
#include "textfile/file_names.h"
#include "textfile/text_file_codec.h"
#include "textfile/text_lines.h"

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
            _exit(message == "Stream write error \"" + Path("liste.txt").string() + "\". File too large" ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the child saw no \"Stream write error\" naming the file and the limit";
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

// What `action` gives in a child process that `prepare` set up first; "skipped" when
// `prepare` says the system does not allow it.
std::string ResultInChild(const std::function<bool()>& prepare, const std::function<std::string()>& action)
{
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(pipe_ends[0]);
        const std::string message = prepare() ? action() : "skipped";
        static_cast<void>(write(pipe_ends[1], message.data(), message.size()));
        _exit(0);
    }
    close(pipe_ends[1]);
    std::string message;
    char buffer[256];
    for (ssize_t got; (got = read(pipe_ends[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(got));
    close(pipe_ends[0]);
    waitpid(child, nullptr, 0);
    return message;
}

// Each failure names the file or folder that caused it and the system's true reason.
TEST_F(FileAccess, FailedSavesNameWhatStoodInTheWay)
{
    const std::u16string longText(200'000, u'x');
    fs::create_directory(Path("voll"));
    WriteBytes("voll/liste.txt", "old list");
    fs::create_directory(Path("gesperrt"));
    WriteBytes("gesperrt/liste.txt", "old list");
    ASSERT_EQ(chmod(Path("gesperrt/liste.txt").c_str(), 0666), 0);
    ASSERT_EQ(chmod(Path("gesperrt").c_str(), 0755), 0);
    ASSERT_EQ(chmod(folder_.c_str(), 0755), 0);

    const auto smallDisk = [&] {
        // A disk of 64 KiB, seen only by the child.
        return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
               mount("tmpfs", Path("voll").c_str(), "tmpfs", 0, "size=64k") == 0 &&
               textfile::WriteTextFile(u"old list", Name("voll/liste.txt"), textfile::kUtf8, false);
    };
    const auto someoneElse = [&] {
        // The file may be written by anyone, the folder only by its owner: the superuser, or
        // nobody at all for anyone else.
        return geteuid() == 0 ? setuid(65534) == 0 : chmod(Path("gesperrt").c_str(), 0555) == 0;
    };
    const struct {
        const char* name;
        std::function<bool()> prepare;
        const char* file;
        std::string message;
    } cases[] = {
        {"a full disk", smallDisk, "voll/liste.txt",
         "Stream write error \"" + Path("voll/liste.txt").string() + "\". No space left on device"},
        {"a folder that takes no new file", someoneElse, "gesperrt/liste.txt",
         "Cannot write to folder \"" + Path("gesperrt").string() + "\". Permission denied"},
    };
    for (const auto& failure : cases) {
        SCOPED_TRACE(failure.name);
        for (const Writer& writer : kWriters) {
            SCOPED_TRACE(writer.name);
            const std::string result = ResultInChild(failure.prepare, [&] {
                const std::string message = MessageOf([&] { writer.write(longText, Name(failure.file)); });
                // Nothing is left behind but the old list.
                std::string seen = message;
                for (const auto& entry : fs::directory_iterator(Path(failure.file).parent_path()))
                    seen.append(" / ")
                        .append(entry.path().filename().string())
                        .append(": ")
                        .append(ReadBytes(failure.file));
                return seen;
            });
            chmod(Path("gesperrt").c_str(), 0755);
            if (result == "skipped")
                GTEST_SKIP() << "this system does not let the test make " << failure.name;
            EXPECT_EQ(result, failure.message + " / liste.txt: old list");
        }
    }

    // A chain of as many links as the system follows saves; one more is a loop.
    const int kMostLinks = 40;
    for (int link = 1; link <= kMostLinks + 1; ++link)
        fs::create_symlink(std::string(1, 'l').append(std::to_string(link - 1)),
                           Path(std::string(1, 'l').append(std::to_string(link))));
    textfile::WriteTextFile(u"am Ende", Name("l40"), textfile::kUtf8, false);
    EXPECT_EQ(ReadBytes("l0"), "am Ende");
    EXPECT_EQ(MessageOf([&] { textfile::WriteTextFile(u"x", Name("l41"), textfile::kUtf8, false); }),
              "Cannot create file \"" + Path("l41").string() + "\". Too many levels of symbolic links");
}

// A name from an old archive is not UTF-8: its bytes are kept, so the file is read and
// saved where it is, and a message shows the name as it was most likely meant.
TEST_F(FileAccess, NamesInAnyBytesAreKept)
{
    const struct {
        const char* bytes;
        const char16_t* name;
    } names[] = {
        {"Gr\xC3\xBC\xC3\x9F"
         "e",
         u"Grüße"},
        {"Gr\xFC\xDF"
         "e",
         u"Gr\xDCFC\xDCDF"
         "e"},
        {"\xC3", u"\xDCC3"},                                // cut short
        {"\xC0\xAF", u"\xDCC0\xDCAF"},                      // overlong
        {"\xED\xB2\x80", u"\xDCED\xDCB2\xDC80"},            // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"},  // above U+10FFFF
        {"\xF0\x9F\x98\x80\xFF", u"\U0001F600\xDCFF"},
    };
    for (const auto& name : names) {
        SCOPED_TRACE(name.bytes);
        EXPECT_EQ(Units(textfile::NameFromBytes(name.bytes)), Units(name.name));
        EXPECT_EQ(textfile::NameBytes(name.name), name.bytes);
    }
    EXPECT_EQ(Units(textfile::ReadableName(u"Gr\xDCFC\xDCDF"
                                           "e \xDC80")),
              Units(u"Grüße €"));

    const std::string latin1 =
        "Gr\xFC\xDF"
        "e.txt";
    WriteBytes(latin1, "Hallo _Welt_");
    const std::u16string name = textfile::NameFromBytes(Path(latin1).string());
    EXPECT_TRUE(textfile::IsRegularFile(name));
    EXPECT_EQ(textfile::ReadTextFile(name), u"Hallo _Welt_");
    textfile::SaveTextLines(u"neu", name, textfile::kAnsi);
    EXPECT_EQ(ReadBytes(latin1), "neu");
    EXPECT_EQ(Entries(), std::vector<std::string>{latin1});
    EXPECT_EQ(MessageOf([&] { textfile::ReadTextFile(textfile::NameFromBytes(Path("\xE4.txt").string())); }),
              "Cannot open file \"" + Path("\xC3\xA4.txt").string() + "\". No such file or directory");
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
