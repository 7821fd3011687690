#include "lang/editor_texts.h"

namespace lernwerk {

const EditorTexts& editorPageTexts()
{
    static const EditorTexts texts{
        .tab = {QStringLiteral("Editor"), QStringLiteral("Editor")},
        .heading = {QStringLiteral("Editor"), QStringLiteral("Editor")},
        .input = {QStringLiteral("Input"), QStringLiteral("Input")},
        .output = {QStringLiteral("Output"), QStringLiteral("Output")},
        .explanation = {QStringLiteral("Der Editor erstellt aus Sätzen der Form \"Teil 1 - Teil 2\" Fragenlisten "
                                       "für den Lernwerk."),
                        QStringLiteral("The Editor creates Questionnaires for the Drillbook from sentences like "
                                       "\"Question - Answer\"")},
        .settings = {QStringLiteral("Einstellungen"), QStringLiteral("Settings")},
        .handOver = {QStringLiteral("Lernwerk.."), QStringLiteral("Drillbook..")},
        .loadInput = {QStringLiteral("Input Laden"), QStringLiteral("Load Input")},
        .clearInput = {QStringLiteral("Input Löschen"), QStringLiteral("Delete Input")},
        .saveOutput = {QStringLiteral("Output Speichern"), QStringLiteral("Save Output")},
        .clearOutput = {QStringLiteral("Output Löschen"), QStringLiteral("Delete Output")},
        .askFirstPart = {QStringLiteral("Frage nach dem Satzteil vor dem Bindestrich"),
                         QStringLiteral("Ask for the Part before the Hyphen")},
        .askSecondPart = {QStringLiteral("Frage nach dem Satzteil nach dem Bindestrich"),
                          QStringLiteral("Ask for the Part after the Hyphen")},
        .buildList = {QStringLiteral("Liste Erstellen"), QStringLiteral("Create List")},
        .close = {QStringLiteral("Editor Schließen"), QStringLiteral("Close Editor")},
        .sampleInput = {QStringLiteral("Beispielfrage Eins - Beispielantwort Zwei\nElement Eins - Element Zwei"),
                        QStringLiteral("Question One - Answer One\nElement One - Element Two")},
    };
    return texts;
}

}  // namespace lernwerk
