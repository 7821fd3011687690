#include "lang/lists_texts.h"

#include "desktop/sites.h"

namespace lernwerk {

const ListsTexts& listsPageTexts()
{
    const QString german = QString::fromStdString(sites::kGerman);
    const QString english = QString::fromStdString(sites::kEnglish);
    static const ListsTexts texts{
        .tab = {QStringLiteral("Fragelisten"), QStringLiteral("Questionnaire")},
        .heading = {QStringLiteral("Fragelisten"), QStringLiteral("Questionnaire")},
        .currentList = {QStringLiteral("Aktuelle Liste:"), QStringLiteral("Actual List:")},
        .loadList = {QStringLiteral("Liste Laden.."), QStringLiteral("Load List..")},
        .newSession = {QStringLiteral("Neue Runde.."), QStringLiteral("New Session..")},
        .sampleName = {QStringLiteral("Beispielfragen (\"Liste laden\" läd andere Fragelisten)"),
                       QStringLiteral("Examples (\"Load List\" for other Questionnaires)")},
        .sampleList = {QStringLiteral("Blau, _Gelb_ und _Rot_ sind die drei Grundfarben.\n"
                                      "Lernwerk kommt von Jorin Malke Studio, zu finden unter _") +
                           german +
                           QStringLiteral("_\n"
                                          "Der Satz des Pythagoras lautet: _a² + b² = c²_\n"
                                          "Der Dreißigjährige Krieg dauerte von _1618_ bis _1648_."),
                       QStringLiteral("_Blue_, _Yellow_ and _Red_ are the three Primary Colors.\n"
                                      "Drillbook is made by Jorin Malke Studio, to be found at _") +
                           english +
                           QStringLiteral("_\n"
                                          "The sentence of the Pythagoras reads: _a ²+b ² = c ²_\n"
                                          "The Thirty Years' War lasted from _1618_ to _1648_.")},
        .questionListName = {QStringLiteral("Fragenliste"), QStringLiteral("Question list")},
        .statusColumnName = {QStringLiteral("Status der Fragen"), QStringLiteral("Status of the questions")},
        .pathFieldName = {QStringLiteral("Pfad der geladenen Liste"), QStringLiteral("Path of the loaded list")},
        .loaded = {QStringLiteral("Liste %1 geladen, %2 Fragen"), QStringLiteral("List %1 loaded, %2 questions")},
        .loadedOneQuestion = {QStringLiteral("Liste %1 geladen, %2 Frage"),
                              QStringLiteral("List %1 loaded, %2 question")},
        .otherComputer = {QStringLiteral("Die Datei \"%1\" liegt auf einem anderen Rechner und kann von hier aus nicht "
                                         "geladen werden. Kopieren Sie sie zuerst auf diesen Rechner."),
                          QStringLiteral("The file \"%1\" is on another computer and cannot be loaded from here. "
                                         "Copy it to this computer first.")},
    };
    return texts;
}

}  // namespace lernwerk
