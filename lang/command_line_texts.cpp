#include "lang/command_line_texts.h"

namespace lernwerk {

const CommandLineTexts& commandLineTexts()
{
    static const CommandLineTexts texts{
        .description = {QStringLiteral("Lernwerk: eigene Fragelisten lernen, deren Lücken zwischen Unterstrichen "
                                       "stehen."),
                        QStringLiteral("Drillbook: learn your own question lists, their gaps written between "
                                       "underscores.")},
        .fileName = {QStringLiteral("DATEI"), QStringLiteral("FILE")},
        .fileArgument = {QStringLiteral("Frageliste, die nach dem Start geladen wird, wie mit \"Liste Laden..\"."),
                         QStringLiteral("Question list to load after the start, as \"Load List..\" does.")},
        .extraFiles = {QStringLiteral("Nur die erste Liste wird geladen; nicht geladen: %1"),
                       QStringLiteral("Only the first list is loaded; not loaded: %1")},
    };
    return texts;
}

}  // namespace lernwerk
