#include "app/last_list_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace lernwerk {

namespace {

bool isUnder(const QString& path, const QString& root)
{
    return path == root || path.startsWith(root + QLatin1Char('/'));
}

QString withSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}  // namespace

QString lastListFolder(const QString& programDir, const QString& dataHome)
{
    const QString program = QDir::cleanPath(programDir);
    const bool installed = isUnder(program, QStringLiteral("/usr")) || isUnder(program, QStringLiteral("/opt"));
    if (!installed || dataHome.isEmpty())
        return withSeparator(program);
    return withSeparator(QDir::cleanPath(dataHome)) + QStringLiteral("lernwerk/");
}

QString lastListFolder(const QString& programDir)
{
    return lastListFolder(programDir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

}  // namespace lernwerk
