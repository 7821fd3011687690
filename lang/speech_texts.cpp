#include "lang/speech_texts.h"

#include <QStringList>

#include "lang/trainer_texts.h"

namespace lernwerk {

const SpeechTexts& speechTexts()
{
    static const SpeechTexts texts{
        .gap = {QStringLiteral("Lücke"), QStringLiteral("gap")},
        .notChecked = {QStringLiteral("nicht ausgewählt"), QStringLiteral("not checked")},
        .switchedOn = {QStringLiteral("%1 an"), QStringLiteral("%1 on")},
        .switchedOff = {QStringLiteral("%1 aus"), QStringLiteral("%1 off")},
        .languageChosen = {QStringLiteral("Deutsch ausgewählt. Die Fragenliste ist jetzt die Beispielliste."),
                           QStringLiteral("English chosen. The question list is now the sample list.")},
        .noRound = {QStringLiteral("%1: Keine Fragerunde läuft. Programm > Neue Fragerunde (Strg+N) startet eine."),
                    QStringLiteral("%1: No question session is running. File > New Question Session (Ctrl+N) "
                                   "starts one.")},
        .questionsMade = {QStringLiteral("%1 Fragen erstellt"), QStringLiteral("%1 questions made")},
        .oneQuestionMade = {QStringLiteral("1 Frage erstellt"), QStringLiteral("1 question made")},
        .linesSkipped = {QStringLiteral(", %1 Zeilen ohne \" - \" übersprungen"),
                         QStringLiteral(", %1 lines without \" - \" skipped")},
        .oneLineSkipped = {QStringLiteral(", 1 Zeile ohne \" - \" übersprungen"),
                           QStringLiteral(", 1 line without \" - \" skipped")},
        .noBrowser = {QStringLiteral("Kein Webbrowser hat die Adresse geöffnet:\n%1"),
                      QStringLiteral("No web browser opened the address:\n%1")},
    };
    return texts;
}

QString firstStepsText(Language language)
{
    QStringList lines = trainerTexts().questionField.in(language).split(QLatin1Char('\n'));
    lines.removeFirst();
    for (QString& line : lines) {
        if (line.startsWith(QStringLiteral("> ")))
            line.remove(0, 2);
    }
    return lines.join(QLatin1Char(' '));
}

QString listBuiltText(std::size_t made, std::size_t skipped, Language language)
{
    const SpeechTexts& texts = speechTexts();
    QString said = made == 1 ? texts.oneQuestionMade.in(language) : texts.questionsMade.in(language).arg(made);
    if (skipped == 1)
        said += texts.oneLineSkipped.in(language);
    else if (skipped > 1)
        said += texts.linesSkipped.in(language).arg(skipped);
    return said;
}

}  // namespace lernwerk
