#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <memory>

#include "app/standard_dialog_texts.h"
#include "lang/command_line_texts.h"
#include "lang/interface_language.h"

namespace lernwerk {

namespace {

// The interface language decides the terminal's language as well: German
// when the marker file "de" is in the working directory.
Language terminalLanguage()
{
    InterfaceLanguage language;
    language.readMarkers(QDir::currentPath());
    return language.current();
}

void describe(QCommandLineParser& parser, Language language)
{
    const CommandLineTexts& texts = commandLineTexts();
    parser.setApplicationDescription(texts.description.in(language));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(texts.fileName.in(language), texts.fileArgument.in(language),
                                 QLatin1Char('[') + texts.fileName.in(language) + QLatin1Char(']'));
}

}  // namespace

void answerInformationOptions(int argc, char** argv)
{
    // A plain application object needs no display, so the answer comes also
    // where no desktop runs. Qt's own options (-platform, -style) are known
    // only to the full application object: a command line with one of them
    // is read again there.
    const QCoreApplication plain(argc, argv);
    InterfaceLanguage language;
    language.readMarkers(QDir::currentPath());
    // Qt's own words of the help ("Usage:", "Options:") in the same language.
    const StandardDialogTexts qtTexts(language);
    QCommandLineParser parser;
    describe(parser, language.current());
    if (!parser.parse(QCoreApplication::arguments()))
        return;
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
}

QString listFileArgument()
{
    QCommandLineParser parser;
    const Language language = terminalLanguage();
    describe(parser, language);
    parser.process(*QCoreApplication::instance());

    QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return {};
    const QString first = files.takeFirst();
    if (!files.isEmpty()) {
        const QString note = commandLineTexts().extraFiles.in(language).arg(files.join(QStringLiteral(", ")));
        std::fprintf(stderr, "%s\n", qPrintable(note));
    }
    // Named as the open dialog names a file: in full, from the working directory.
    return QDir::cleanPath(QFileInfo(first).absoluteFilePath());
}

}  // namespace lernwerk
