#include "widgets/sites.h"
#include "lang/texts.h"

namespace lernwerk::lang {

const std::vector<Text>& windowTexts()
{
    static const std::vector<Text> texts{
        {"prog", Slot::Caption, "Lernwerk - Jorin Malke Studio", "Drillbook - Jorin Malke Studio"},
        {"anzeige", Slot::Panel0, "Herzlich Willkommen", "Welcome"},
        {"anzeige", Slot::Panel1, "Status", "Status"},
        {"anzeige", Slot::Panel2, sites::kGerman + "/spenden - Vielen Dank!",
         sites::kEnglish + "/donate - Thank you!"},
    };
    return texts;
}

const std::vector<Text>& trainerTexts()
{
    static const std::vector<Text> texts{
        {"tb1", Slot::Tab, "Lernwerk", "Drillbook"},
        {"bt_correct", Slot::Caption, "Richtig", "Correct"},
        {"bt_wrong", Slot::Caption, "Falsch", "Wrong"},
        {"bt_clock", Slot::Caption, "Zurückstellen", "Clock"},
        {"bt_solve", Slot::Caption, "Auflösen", "Solve"},
        {"Label10", Slot::Caption, "Frage", "Question"},
        {"Label11", Slot::Caption, "Antwort", "Answer"},
        {"Label12", Slot::Caption, "Lösung", "Solution"},
        {"antwort", Slot::Lines, "Antwort", "Answer"},
        {"loesung", Slot::Lines, "Lösung", "Solution"},
        {"frage", Slot::Lines,
         "Frage\n"
         "> Erste Schritte:\n"
         "> Programm > Neue Fragerunde, um zu starten.\n"
         "> Fragen ändern unter Fragenkatalog.\n"
         "> Mehr in der Einführung.\n"
         "> Viel Spaß!",
         "Question\n"
         "> First Setps:\n"
         "> File > New Question Session, to Start.\n"
         "> Questionnaire for other Questions.\n"
         "> More in the Introduction.\n"
         "> Have Fun!"},
    };
    return texts;
}

const std::vector<Text>& listsTexts()
{
    static const std::vector<Text> texts{
        {"tb2", Slot::Tab, "Statistik", "Statistics"},
        {"Label5", Slot::Caption, "Statistik", "Statistics"},
    };
    return texts;
}

const std::vector<PagePair>& infoPagePairs()
{
    static const std::vector<PagePair> pairs{
        {"tb5", "tb5en"},   {"tbe", "tbeen"},         {"tbl", "tblen"},
        {"tbs", "tbsen"},   {"tbsoftde", "tbsoften"},
    };
    return pairs;
}

}  // namespace lernwerk::lang
