#include "widgets/last_list_files.h"

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

QString lastListFileName(quiz::Language language)
{
    return language == quiz::Language::German ? QStringLiteral("LetzteFrageliste.txt")
                                              : QStringLiteral("LastQuestionnaire.txt");
}

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
