#include "widgets/sites.h"
#include "lang/texts.h"

namespace lernwerk::lang {

const std::vector<Text>& listsTexts()
{
    static const std::vector<Text> texts{
        {"tb3", Slot::Tab, "Fragelisten", "Questionnaire"},
        {"Label6", Slot::Caption, "Fragelisten", "Questionnaire"},
        {"Label7", Slot::Caption, "Aktuelle Liste:", "Actual List:"},
        {"Button2", Slot::Caption, "Liste Laden..", "Load List.."},
        {"Button1", Slot::Caption, "Neue Runde..", "New Session.."},
        {"aktuelleliste", Slot::Caption, "Beispielfragen (\"Liste laden\" läd andere Fragelisten)",
         "Examples (\"Load List\" for other Questionnaires)"},
        {"Memo1", Slot::Lines,
         "Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.\n"
         "Lernwerk kommt von Jorin Malke Studio, zu finden unter _" + sites::kGerman + "_\n"
         "Der Satz des Pythagoras lautet: _a² + b² = c²_\n"
         "Der Dreißigjährige Krieg dauerte von _1618_ bis _1648_.",
         "_Blue_, _Yellow_ and _Red_ are the three Primary Colors.\n"
         "Drillbook is made by Jorin Malke Studio, to be found at _" + sites::kEnglish + "_\n"
         "The sentence of the Pythagoras reads: _a ²+b ² = c ²_\n"
         "The Thirty Years' War lasted from _1618_ to _1648_."},
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
