#include "lang/closing_texts.h"

namespace lernwerk {

const ClosingTexts& closingTexts()
{
    static const ClosingTexts texts{
        .caption = {QStringLiteral("Lernwerk"), QStringLiteral("Drillbook")},
        .question = {QStringLiteral("Zuletzt geöffnete Liste speichern?"), QStringLiteral("Remember Last List?")},
        .explanation = {QStringLiteral(
                            "Das ist wirklich die letzte Frage.. ;) Das Programm kann sich Ihre aktuelle Fragenliste "
                            "merken, damit Sie beim nächsten Start sofort automatisch geöffnet werden kann. Dazu wird "
                            "im Programmordner die Datei \"LetzteFrageliste.txt\" angelegt.. "),
                        QStringLiteral(
                            "That's really the last question! ;) The Drillbook can remember your last used Question "
                            "List, so that it can be loaded automatically when starting the program for the next "
                            "time. Therefore a file named \"LastQuestionnaire.txt\" will be written in the "
                            "application directory.")},
        .explanationElsewhere = {QStringLiteral("Das ist wirklich die letzte Frage.. ;) Das Programm kann sich Ihre "
                                                "aktuelle Fragenliste merken, damit Sie beim nächsten Start sofort "
                                                "automatisch geöffnet werden kann. Dazu wird im Ordner \"%1\" die "
                                                "Datei \"LetzteFrageliste.txt\" angelegt.. "),
                                 QStringLiteral("That's really the last question! ;) The Drillbook can remember your "
                                                "last used Question List, so that it can be loaded automatically when "
                                                "starting the program for the next time. Therefore a file named "
                                                "\"LastQuestionnaire.txt\" will be written in the folder \"%1\".")},
        .save = {QStringLiteral("Ja, Liste speichern"), QStringLiteral("Yes, Save List")},
        .dontSave = {QStringLiteral("Nein, Liste nicht abspeichern"), QStringLiteral("No, Do Not Save List")},
    };
    return texts;
}

}  // namespace lernwerk
