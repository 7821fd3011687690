#include "lang/texts.h"

namespace lernwerk::lang {

const std::vector<Text>& editorTexts()
{
    static const std::vector<Text> texts{
        {"StaticText6", Slot::Caption,
         "Der Editor erstellt aus Sätzen der Form \"Teil 1 - Teil 2\" Fragenlisten für den Lernwerk.",
         "The Editor creates Questionnaires for the Drillbook from sentences like \"Question - Answer\""},
        {"GroupBox3", Slot::Caption, "Einstellungen", "Settings"},
        {"Button13", Slot::Caption, "Lernwerk..", "Drillbook.."},
        {"Button9", Slot::Caption, "Input Laden", "Load Input"},
        {"Button8", Slot::Caption, "Input Löschen", "Delete Input"},
        {"Button11", Slot::Caption, "Output Speichern", "Save Output"},
        {"Button10", Slot::Caption, "Output Löschen", "Delete Output"},
        {"cbt1", Slot::Caption, "Frage nach dem Satzteil vor dem Bindestrich", "Ask for the Part before the Hyphen"},
        {"cbt2", Slot::Caption, "Frage nach dem Satzteil nach dem Bindestrich", "Ask for the Part after the Hyphen"},
        {"Button7", Slot::Caption, "Liste Erstellen", "Create List"},
        {"Button12", Slot::Caption, "Editor Schließen", "Close Editor"},
        {"m1", Slot::Lines, "Beispielfrage Eins - Beispielantwort Zwei\nElement Eins - Element Zwei",
         "Question One - Answer One\nElement One - Element Two"},
    };
    return texts;
}

}  // namespace lernwerk::lang
