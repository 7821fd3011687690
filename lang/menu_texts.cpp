#include "widgets/sites.h"
#include "lang/texts.h"

namespace lernwerk::lang {

const std::vector<Text>& menuTexts()
{
    using sites::kEnglish;
    using sites::kGerman;
    using sites::kPersonalEnglish;
    using sites::kPersonalGerman;
    static const std::vector<Text> texts{
        {"p0", Slot::Caption, "Programm", "File"},
        {"p1", Slot::Caption, "Neue Fragerunde", "New Question Session"},
        {"p2", Slot::Caption, "Editor für Fragelisten", "Editor for Questionnaires"},
        {"m_bug", Slot::Caption, "Fehler oder Verbesserung melden..", "Report Bug or Improvement.."},
        {"p3", Slot::Caption, "Beenden", "Close"},
        {"f0", Slot::Caption, "Fenster", "Windows"},
        {"f1", Slot::Caption, "Lernwerk", "Drillbook"},
        {"f2", Slot::Caption, "Statistik", "Statistics"},
        {"f3", Slot::Caption, "Fragenkatalog", "Questionnaire"},
        {"f4", Slot::Caption, "Editor", "Editor"},
        {"f5", Slot::Caption, "Einführung", "Introduction"},
        {"f6", Slot::Caption, "Empfehlungen", "Regards"},
        {"f7", Slot::Caption, "Wieso spenen?", "Why Donate?"},
        {"f8", Slot::Caption, "Lizenz", "Licence"},
        {"Einstellungen1", Slot::Caption, "Einstellungen", "Settings"},
        {"Schrift1", Slot::Caption, "Schrift ändern..", "Set Font.."},
        {"hf", Slot::Caption, "Hintergrundfarbe ändern..", "Set Background Color.."},
        {"Sprache1", Slot::Caption, "Sprache", "Language"},
        {"sp1", Slot::Caption, "Deutsch", "German"},
        {"sp2", Slot::Caption, "Englisch", "English"},
        {"i0", Slot::Caption, "Hilfe und Info", "Help and Information"},
        {"i1", Slot::Caption, "Einführung", "Introduction"},
        {"i2", Slot::Caption, "Empfehlungen", "Regards"},
        {"i3", Slot::Caption, "Wieso Spenden?", "Why Donate?"},
        {"i4", Slot::Caption, "Lizenz", "Licence"},
        {"i5", Slot::Caption, kGerman + "/lernwerk - Homepage dieser Software",
         kEnglish + "/drillbook - Website of this Software"},
        {"i9", Slot::Caption, kGerman + "/lernwerk-hilfe - Einführung in diese Software",
         kEnglish + "/drillbook-help - Introduction to this Software"},
        {"i11", Slot::Caption, kGerman + "/lernwerk-funktionen - Dokumentation aller Funktionen",
         kEnglish + "/drillbook-functions - Documentation of all Functions"},
        {"i6", Slot::Caption, kGerman, kEnglish},
        {"i7", Slot::Caption, kPersonalGerman, kPersonalEnglish},
        {"i10", Slot::Caption, kPersonalGerman + "/webdesign", kPersonalEnglish + "/webdesign"},
        {"i8", Slot::Caption, kGerman + "/spenden - Falls Ihnen diese Software gefällt",
         kEnglish + "/donate - If you like this Application"},
        {"i12", Slot::Caption,
         kGerman + "/individuelle-anpassung - Wir passen diese Software Ihren Bedürfnissen an",
         kEnglish + "/individual-fit - We adapt this software to your needs"},
        {"m_bug_i", Slot::Caption, "Fehler oder Verbesserung melden..", "Report Bug or Improvement.."},
    };
    return texts;
}

}  // namespace lernwerk::lang
