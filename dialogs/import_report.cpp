#include "dialogs/import_report.h"

#include <QFileInfo>

#include "desktop/last_list_files.h"
#include "lang/import_texts.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

using listimport::ImportError;
using listimport::SkipReason;

QString shownName(const QString& fileName)
{
    return QString::fromStdU16String(textfile::ReadableName(fileName.toStdU16String()));
}

}  // namespace

QStringList importCounts(const listimport::Source& source, const listimport::Conversion& result, Language language)
{
    const ImportTexts& texts = importTexts();
    QStringList counts;
    counts << (result.lines.empty() ? texts.noLines.in(language)
                                    : texts.linesMade.in(language).arg(result.lines.size()));
    if (source.headerRow) {
        QStringList cells;
        for (const std::u16string& cell : source.columns)
            cells << QString::fromStdU16String(cell);
        // As the file has it; a tab shows as a blank.
        const QChar separator = source.separator == u'\t' ? QLatin1Char(' ') : QChar(source.separator);
        counts << texts.headerDropped.in(language).arg(cells.join(separator));
    }
    if (const std::size_t empty = result.skippedCount(SkipReason::EmptySide))
        counts << texts.skippedEmpty.in(language).arg(empty);
    if (const std::size_t underscores = result.skippedCount(SkipReason::Underscore))
        counts << texts.skippedUnderscore.in(language).arg(underscores);
    if (result.hintsDropped > 0)
        counts << texts.hintsDropped.in(language).arg(result.hintsDropped);
    if (result.lookAlikeCount > 0)
        counts << texts.lookAlike.in(language)
                      .arg(result.lookAlikeCount)
                      .arg(QString::fromStdU16String(result.lookAlikeQuestion));
    return counts;
}

QStringList packageCounts(const listimport::Source& source, Language language)
{
    std::size_t imageOcclusion = 0;
    std::size_t mediaOnly = 0;
    std::size_t media = 0;
    for (const listimport::Deck& deck : source.decks) {
        imageOcclusion += deck.imageOcclusionNotes;
        mediaOnly += deck.mediaOnlyCards;
        media += deck.mediaNotes;
    }
    QStringList counts;
    if (mediaOnly > 0)
        counts << importTexts().skippedMediaOnly.in(language).arg(mediaOnly);
    if (imageOcclusion > 0)
        counts << importTexts().imageOcclusionNotes.in(language).arg(imageOcclusion);
    if (media > 0)
        counts << importTexts().mediaNotes.in(language).arg(media);
    return counts;
}

QString importFailure(const ImportError& error, const QString& fileName, Language language)
{
    const ImportTexts& texts = importTexts();
    QString reason;
    switch (error.kind()) {
        case ImportError::Kind::Unreadable:
            reason = texts.unreadable.in(language).arg(QString::fromStdString(error.what()));
            break;
        case ImportError::Kind::NotAFile:
            reason = texts.notAFile.in(language);
            break;
        case ImportError::Kind::TooLarge:
            reason = texts.tooLarge.in(language);
            break;
        case ImportError::Kind::UnknownFormat:
            reason = texts.unknownFormat.in(language);
            break;
        case ImportError::Kind::NoSeparator:
            reason = texts.noSeparator.in(language);
            break;
        case ImportError::Kind::BrokenXml:
            reason = texts.brokenXml.in(language).arg(QString::fromStdString(error.what()));
            break;
        case ImportError::Kind::NotKvtml:
            reason = texts.notKvtml.in(language);
            break;
        case ImportError::Kind::OpenQuote:
            reason = texts.openQuote.in(language);
            break;
        case ImportError::Kind::TooManyColumns:
            reason = texts.tooManyColumns.in(language).arg(listimport::kMaxColumns);
            break;
        case ImportError::Kind::BrokenPackage:
            reason = texts.brokenPackage.in(language).arg(QString::fromStdString(error.what()));
            break;
    }
    return texts.cannotImport.in(language).arg(shownName(fileName), reason);
}

QString forbiddenTarget(const QString& target, const QString& source, const QString& loaded,
                        const QString& programFolder, Language language)
{
    const Overwrite over = forbiddenOverwrite(target, {source, loaded}, programFolder);
    switch (over.kind) {
        case Overwrite::Kind::List:
            return (over.list == 0 ? importTexts().sourceFile : importTexts().loadedList)
                .in(language)
                .arg(shownName(target));
        case Overwrite::Kind::KeptFile:
            return importTexts().keptFile.in(language).arg(shownName(target));
        case Overwrite::Kind::None:
            break;
    }
    return {};
}

}  // namespace lernwerk
