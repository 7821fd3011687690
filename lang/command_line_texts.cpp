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
        .optionExportReviews = {QStringLiteral("Schreibt alle Wiederholungen aus dem Fortschritt als CSV, wie die "
                                               "FSRS-Optimierer sie lesen, in DATEI und endet."),
                                QStringLiteral("Writes every review of your progress as CSV, as the FSRS optimizers "
                                               "read it, to FILE, then ends.")},
        .exportNoProgress = {QStringLiteral("Es gibt keine Wiederholungen auszugeben: \"%1\" gibt es nicht."),
                             QStringLiteral("There are no reviews to export: \"%1\" does not exist.")},
        .exportCannotRead = {QStringLiteral("Die Wiederholungen können nicht ausgegeben werden: %1."),
                             QStringLiteral("The reviews cannot be exported: %1.")},
        .exportKept = {QStringLiteral("\"%1\" führt das Programm selbst; die Wiederholungen werden dort nicht "
                                      "geschrieben."),
                       QStringLiteral("\"%1\" is kept by the program itself; the reviews are not written there.")},
        .exportWritten = {QStringLiteral("%1 Wiederholungen von %2 Fragen nach \"%3\" geschrieben."),
                          QStringLiteral("%1 reviews of %2 questions written to \"%3\".")},
    };
    return texts;
}

}  // namespace lernwerk
