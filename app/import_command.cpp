#include "app/import_command.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <vector>

#include "desktop/last_list_files.h"
#include "dialogs/import_report.h"
#include "import/anki_package.h"
#include "import/conversion.h"
#include "import/source_file.h"
#include "lang/import_texts.h"
#include "textfile/file_error.h"

namespace lernwerk {

namespace {

const QString kImport = QStringLiteral("import");
const QString kOutput = QStringLiteral("output");
const QString kAsk = QStringLiteral("ask");
const QString kColumns = QStringLiteral("columns");
const QString kSeparator = QStringLiteral("separator");
const QString kForce = QStringLiteral("force");
const QString kKeepFirstRow = QStringLiteral("keep-first-row");
const QString kDeck = QStringLiteral("deck");

void say(std::FILE* stream, const QString& text) { std::fprintf(stream, "%s\n", qPrintable(text)); }

int fail(const QString& message)
{
    say(stderr, message);
    return 1;
}

std::optional<listimport::Ask> askNamed(const QString& value)
{
    if (value == QStringLiteral("first"))
        return listimport::Ask::First;
    if (value == QStringLiteral("second"))
        return listimport::Ask::Second;
    if (value == QStringLiteral("both"))
        return listimport::Ask::Both;
    return std::nullopt;
}

std::optional<char16_t> separatorNamed(const QString& value)
{
    if (value == QStringLiteral("tab") || value == QStringLiteral("\\t"))
        return u'\t';
    // Any one character that is no quotation mark, line break or surrogate.
    if (value.size() == 1 && value[0] != QLatin1Char('"') && value[0].unicode() >= 0x09 && !value[0].isSurrogate() &&
        value[0] != QLatin1Char('\n') && value[0] != QLatin1Char('\r'))
        return value[0].unicode();
    return std::nullopt;
}

// Two column numbers from 1, as "1,2"; counted from 0 in the result.
std::optional<std::pair<std::size_t, std::size_t>> columnsNamed(const QString& value)
{
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool firstOk = false;
    bool secondOk = false;
    const int first = parts[0].trimmed().toInt(&firstOk);
    const int second = parts[1].trimmed().toInt(&secondOk);
    if (!firstOk || !secondOk || first < 1 || second < 1 || first > 1000 || second > 1000)
        return std::nullopt;
    return std::pair<std::size_t, std::size_t>(first - 1, second - 1);
}

}  // namespace

void addImportOptions(QCommandLineParser& parser, Language language)
{
    const ImportTexts& texts = importTexts();
    parser.addOptions({
        {kImport, texts.optionImport.in(language), texts.sourceValue.in(language)},
        {kOutput, texts.optionOutput.in(language), texts.listValue.in(language)},
        {kAsk, texts.optionAsk.in(language), QStringLiteral("first|second|both")},
        {kColumns, texts.optionColumns.in(language), QStringLiteral("N,M")},
        {kSeparator, texts.optionSeparator.in(language), QStringLiteral("C")},
        {kForce, texts.optionForce.in(language)},
        {kKeepFirstRow, texts.optionKeepFirstRow.in(language)},
        {kDeck, texts.optionDeck.in(language), texts.deckValue.in(language)},
    });
}

bool importRequested(const QCommandLineParser& parser) { return parser.isSet(kImport); }

int runImportCommand(const QCommandLineParser& parser, Language language)
{
    const ImportTexts& texts = importTexts();
    const QString source = QFileInfo(parser.value(kImport)).absoluteFilePath();
    if (!parser.isSet(kOutput) || parser.value(kOutput).isEmpty())
        return fail(texts.outputMissing.in(language));
    const QString output = QFileInfo(parser.value(kOutput)).absoluteFilePath();

    listimport::ReadChoices read;
    listimport::ConversionChoices conversion;
    if (parser.isSet(kAsk)) {
        const auto ask = askNamed(parser.value(kAsk));
        if (!ask)
            return fail(texts.badAsk.in(language).arg(parser.value(kAsk)));
        conversion.ask = *ask;
    }
    if (parser.isSet(kSeparator)) {
        read.separator = separatorNamed(parser.value(kSeparator));
        if (!read.separator)
            return fail(texts.badSeparator.in(language).arg(parser.value(kSeparator)));
    }
    if (parser.isSet(kKeepFirstRow))
        read.headerRow = false;
    std::optional<std::pair<std::size_t, std::size_t>> columns;
    if (parser.isSet(kColumns)) {
        columns = columnsNamed(parser.value(kColumns));
        if (!columns)
            return fail(texts.badColumns.in(language).arg(parser.value(kColumns)));
        conversion.firstColumn = columns->first;
        conversion.secondColumn = columns->second;
    }

    listimport::Source list;
    try {
        list = listimport::readSourceFile(source.toStdU16String(), read);
    } catch (const listimport::ImportError& error) {
        return fail(importFailure(error, source, language));
    }
    if (parser.isSet(kDeck)) {
        if (list.format != listimport::Format::AnkiPackage)
            return fail(texts.deckWithoutPackage.in(language));
        std::vector<std::u16string> names;
        for (const QString& name : parser.values(kDeck))
            names.push_back(name.toStdU16String());
        if (const auto unknown = listimport::unknownDeck(list, names)) {
            QStringList decks;
            for (const listimport::Deck& deck : list.decks)
                decks << QString::fromStdU16String(deck.name);
            return fail(texts.unknownDeck.in(language).arg(QString::fromStdU16String(*unknown),
                                                           decks.join(QStringLiteral(", "))));
        }
        list = listimport::onlyDecks(list, names);
    }
    if (columns && std::max(columns->first, columns->second) >= list.columns.size())
        return fail(texts.badColumns.in(language).arg(parser.value(kColumns)));

    const QString programFolder = lastListFolder(programFolderPath());
    if (const QString forbidden = forbiddenTarget(output, source, QString(), programFolder, language);
        !forbidden.isEmpty())
        return fail(forbidden);
    if (QFileInfo::exists(output) && !parser.isSet(kForce))
        return fail(texts.outputExists.in(language).arg(output));

    // What the report names of the source; its records are given up while the lines are made.
    listimport::Source named;
    named.separator = list.separator;
    named.headerRow = list.headerRow;
    named.columns = list.columns;
    named.decks = list.decks;
    const listimport::Conversion result = listimport::convert(std::move(list), conversion);
    const QStringList counts = importCounts(named, result, language);
    // An empty list is no list: the file named stays as it was.
    if (result.lines.empty()) {
        for (const QString& count : counts + packageCounts(named, language))
            say(stderr, count);
        return fail(texts.nothingWritten.in(language).arg(output));
    }
    try {
        listimport::saveList(result.lines, output.toStdU16String());
    } catch (const textfile::FileError& error) {
        return fail(texts.cannotWrite.in(language).arg(output, QString::fromStdString(error.what())));
    }
    const Text& written = result.lines.size() == 1 ? texts.oneLineWritten : texts.linesWritten;
    say(stdout, written.in(language).arg(result.lines.size()).arg(output));
    for (const QString& count : counts.mid(1) + packageCounts(named, language))
        say(stdout, count);
    return 0;
}

}  // namespace lernwerk
