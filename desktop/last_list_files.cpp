#include "desktop/last_list_files.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <vector>

#include "textfile/file_io.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

constexpr long kPasswdBufferSize = 16384;  // when the system names no size

bool isUnder(const QString& path, const QString& root)
{
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

QString lastListFileName(quiz::Language language)
{
    return quiz::PerLanguage<QString>{QStringLiteral("LetzteFrageliste.txt"), QStringLiteral("LastQuestionnaire.txt")}
        .in(language);
}

QString lastListFolder(const QString& programDir, const QString& dataHome)
{
    const QString program = QDir::cleanPath(programDir);
    const bool installed = isUnder(program, QStringLiteral("/usr")) || isUnder(program, QStringLiteral("/opt"));
    if (!installed || dataHome.isEmpty())
        return withSeparator(program);
    return withSeparator(QDir::cleanPath(dataHome)) + QStringLiteral("lernwerk/");
}

QString userDataFolder(const QString& xdgDataHome, const QString& home, const QString& accountHome)
{
    if (QDir::isAbsolutePath(xdgDataHome))
        return QDir::cleanPath(xdgDataHome);
    const QString homeFolder = QDir::isAbsolutePath(home) ? home : accountHome;
    if (!QDir::isAbsolutePath(homeFolder))
        return {};
    return QDir::cleanPath(homeFolder + QStringLiteral("/.local/share"));
}

QString userDataFolder()
{
    QString accountHome;
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : kPasswdBufferSize));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr)
        accountHome = QFile::decodeName(found->pw_dir);
    return userDataFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"), accountHome);
}

QString lastListFolder(const QString& programDir) { return lastListFolder(programDir, userDataFolder()); }

QString programFolderPath()
{
    // Read from the system, not from Qt, which cannot keep bytes that are no UTF-8.
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path())
        return QCoreApplication::applicationDirPath();
    return QString::fromStdU16String(textfile::NameFromBytes(program.parent_path().native()));
}

QStringList keptFiles(const QString& folder)
{
    const QString progress = withSeparator(folder) + QString::fromLatin1(kProgressFileName);
    QStringList files{progress, progress + QStringLiteral("-wal"), progress + QStringLiteral("-shm")};
    for (const quiz::Language language : quiz::kLanguages)
        files << withSeparator(folder) + lastListFileName(language);
    return files;
}

bool isOneOf(const QString& target, const QStringList& files)
{
    namespace fs = std::filesystem;
    const auto systemPath = [](const QString& name) { return fs::path(textfile::NameBytes(name.toStdU16String())); };
    // Where a save under the name would write: through every link, also one whose target
    // does not exist yet, as the save itself follows them.
    const auto writtenPath = [&](const QString& name) {
        std::error_code ignored;
        const fs::path followed = textfile::detail::FollowLinks(fs::absolute(systemPath(name), ignored), ignored);
        return fs::weakly_canonical(followed, ignored);
    };
    const fs::path wanted = writtenPath(target);
    struct stat wantedFile {};
    const bool exists = ::stat(systemPath(target).c_str(), &wantedFile) == 0;
    for (const QString& file : files) {
        if (file.isEmpty())
            continue;
        if (writtenPath(file) == wanted)
            return true;
        struct stat kept {};
        if (exists && ::stat(systemPath(file).c_str(), &kept) == 0 && kept.st_dev == wantedFile.st_dev &&
            kept.st_ino == wantedFile.st_ino)
            return true;
    }
    return false;
}

Overwrite forbiddenOverwrite(const QString& target, const QStringList& lists, const QString& folder)
{
    for (int i = 0; i < lists.size(); ++i)
        if (!lists[i].isEmpty() && isOneOf(target, {lists[i]}))
            return {Overwrite::Kind::List, i};
    if (isOneOf(target, keptFiles(folder)))
        return {Overwrite::Kind::KeptFile, -1};
    return {};
}

}  // namespace lernwerk
