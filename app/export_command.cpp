#include "app/export_command.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <filesystem>

#include "desktop/last_list_files.h"
#include "lang/command_line_texts.h"
#include "lang/import_texts.h"
#include "lang/progress_texts.h"
#include "memory/review_export.h"
#include "memory/review_store.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

const QString kExportReviews = QStringLiteral("export-reviews");
const QString kForce = QStringLiteral("force");

void say(std::FILE* stream, const QString& text) { std::fprintf(stream, "%s\n", qPrintable(text)); }

int fail(const QString& message)
{
    say(stderr, message);
    return 1;
}

std::filesystem::path systemPath(const QString& name)
{
    return std::filesystem::path(textfile::NameBytes(name.toStdU16String()));
}

QString shownName(const QString& name)
{
    return QString::fromStdU16String(textfile::ReadableName(name.toStdU16String()));
}

}  // namespace

void addExportOptions(QCommandLineParser& parser, Language language)
{
    parser.addOption({kExportReviews, commandLineTexts().optionExportReviews.in(language),
                      commandLineTexts().fileName.in(language)});
}

bool exportRequested(const QCommandLineParser& parser) { return parser.isSet(kExportReviews); }

int runExportCommand(const QCommandLineParser& parser, Language language)
{
    const CommandLineTexts& texts = commandLineTexts();
    const QString output = QFileInfo(parser.value(kExportReviews)).absoluteFilePath();
    const QString folder = lastListFolder(programFolderPath());
    const QString progress = folder + QString::fromLatin1(kProgressFileName);
    if (forbiddenOverwrite(output, {}, folder).kind != Overwrite::Kind::None)
        return fail(texts.exportKept.in(language).arg(shownName(output)));
    if (QFileInfo::exists(output) && !parser.isSet(kForce))
        return fail(importTexts().outputExists.in(language).arg(shownName(output)));
    // Opening would make a fresh file: there is nothing to export.
    std::error_code ignored;
    if (!std::filesystem::exists(systemPath(progress), ignored))
        return fail(texts.exportNoProgress.in(language).arg(shownName(progress)));

    memory::ExportedReviews exported;
    try {
        const memory::ReviewStore store(systemPath(progress));
        if (const auto& aside = store.moved_aside())
            return fail(progressTexts().movedAside.in(language).arg(
                shownName(progress),
                QString::fromStdU16String(textfile::ReadableName(textfile::NameFromBytes(aside->native())))));
        exported = memory::fsrs_review_csv(store);
    } catch (const memory::StoreError& error) {
        return fail(texts.exportCannotRead.in(language).arg(storeFailureReason(error, language)));
    }

    // Written beside it and renamed into place: an export cut short leaves the file as it was.
    QSaveFile file(output);
    const qint64 size = static_cast<qint64>(exported.csv.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(exported.csv.data(), size) != size || !file.commit())
        return fail(importTexts().cannotWrite.in(language).arg(shownName(output), file.errorString()));
    say(stdout, texts.exportWritten.in(language).arg(exported.reviews).arg(exported.questions).arg(shownName(output)));
    return 0;
}

}  // namespace lernwerk
