#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "app/export_command.h"
#include "app/import_command.h"
#include "app/standard_dialog_texts.h"
#include "lang/command_line_texts.h"
#include "lang/interface_language.h"
#include "textfile/file_names.h"

namespace lernwerk {

namespace {

// The arguments in the bytes the system gave them: a file name that is not
// UTF-8 keeps its bytes (see textfile/file_names.h).
QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromStdU16String(textfile::NameFromBytes(argv[i]));
    return arguments;
}

// The toolkit's own options, which the window system's application object
// takes out of the command line (with one dash or two, the value after it or
// after "="), and whether each takes a value.
struct ToolkitOption {
    std::u16string_view name;
    bool takesValue;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {u"platform", true},        {u"platformpluginpath", true},
    {u"platformtheme", true},   {u"plugin", true},
    {u"qwindowgeometry", true}, {u"qwindowicon", true},
    {u"qwindowtitle", true},    {u"session", true},
    {u"display", true},         {u"geometry", true},
    {u"style", true},           {u"stylesheet", true},
    {u"qmljsdebugger", true},   {u"reverse", false},
    {u"widgetcount", false},    {u"nograb", false},
    {u"dograb", false},         {u"sync", false},
    {u"testability", false},
};

// The arguments without the toolkit's own options, as the application object
// will see them.
QStringList withoutToolkitOptions(const QStringList& arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument == QStringLiteral("--")) {  // what follows are file names
            kept << arguments.mid(i);
            break;
        }
        QStringView name(argument);
        if (i == 0 || !name.startsWith(u'-')) {
            kept << argument;
            continue;
        }
        name = name.mid(name.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const bool valueAttached = equals >= 0;
        if (valueAttached)
            name = name.left(equals);
        const auto option = std::find_if(std::begin(kToolkitOptions), std::end(kToolkitOptions),
                                         [&](const ToolkitOption& known) { return name == known.name; });
        if (option == std::end(kToolkitOptions)) {
            kept << argument;
            continue;
        }
        if (option->takesValue && !valueAttached)
            ++i;
    }
    return kept;
}

void describe(QCommandLineParser& parser, Language language)
{
    const CommandLineTexts& texts = commandLineTexts();
    parser.setApplicationDescription(texts.description.in(language));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(texts.fileName.in(language), texts.fileArgument.in(language),
                                 QLatin1Char('[') + texts.fileName.in(language) + QLatin1Char(']'));
    addImportOptions(parser, language);
    addExportOptions(parser, language);
}

}  // namespace

void answerInformationOptions(int argc, char** argv)
{
    // A plain application object needs no display, so the answer comes also
    // where no desktop runs.
    const QCoreApplication plain(argc, argv);
    InterfaceLanguage language;
    language.readMarkers(QDir::currentPath());
    // Qt's own words ("Usage:", "Unknown option") in the same language.
    const StandardDialogTexts qtTexts(language);
    QCommandLineParser parser;
    describe(parser, language.current());
    // Answers the options and ends the process; a wrong option ends it with
    // status 1. Anything else comes back.
    parser.process(withoutToolkitOptions(argumentsOf(argc, argv)));
    // An import converts and ends here, without a window.
    if (importRequested(parser)) {
        const int status = runImportCommand(parser, language.current());
        std::fflush(stdout);
        std::exit(status);
    }
    // So does the export of the reviews.
    if (exportRequested(parser)) {
        const int status = runExportCommand(parser, language.current());
        std::fflush(stdout);
        std::exit(status);
    }
}

QString listFileArgument(int argc, char** argv)
{
    InterfaceLanguage language;
    language.readMarkers(QDir::currentPath());
    QCommandLineParser parser;
    describe(parser, language.current());
    parser.process(argumentsOf(argc, argv));

    QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return {};
    const QString first = files.takeFirst();
    if (!files.isEmpty()) {
        QStringList shown;
        for (const QString& file : files)
            shown << QString::fromStdU16String(textfile::ReadableName(file.toStdU16String()));
        const QString note = commandLineTexts().extraFiles.in(language.current()).arg(shown.join(QStringLiteral(", ")));
        std::fprintf(stderr, "%s\n", qPrintable(note));
    }
    // Named as the open dialog names a file: in full, from the working
    // directory, in the bytes the system knows it by.
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path named(textfile::NameBytes(first.toStdU16String()));
    const fs::path full = fs::absolute(named, error).lexically_normal();
    return QString::fromStdU16String(textfile::NameFromBytes(error ? named.native() : full.native()));
}

}  // namespace lernwerk
