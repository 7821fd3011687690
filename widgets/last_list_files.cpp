#include "widgets/last_list_files.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include <vector>

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

}  // namespace lernwerk
