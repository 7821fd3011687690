#include "lang/speech_texts.h"

#include <QColor>
#include <QStringList>

#include <algorithm>
#include <iterator>
#include <utility>

#include "lang/trainer_texts.h"

namespace lernwerk {

const SpeechTexts& speechTexts()
{
    static const SpeechTexts texts{
        .gap = {QStringLiteral("Lücke"), QStringLiteral("gap")},
        .notChecked = {QStringLiteral("nicht ausgewählt"), QStringLiteral("not checked")},
        .entryChecked = {QStringLiteral("%1 ausgewählt"), QStringLiteral("%1 checked")},
        .switchedOn = {QStringLiteral("%1 an"), QStringLiteral("%1 on")},
        .switchedOff = {QStringLiteral("%1 aus"), QStringLiteral("%1 off")},
        .languageChosen = {QStringLiteral("Deutsch ausgewählt. Die Fragenliste ist jetzt die Beispielliste."),
                           QStringLiteral("English chosen. The question list is now the sample list.")},
        .languageChosenRoundEnded = {QStringLiteral("Deutsch ausgewählt. Die Runde ist beendet; die Fragenliste ist "
                                                    "jetzt die Beispielliste."),
                                     QStringLiteral("English chosen. The round was ended; the question list is now "
                                                    "the sample list.")},
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

QString colourName(const QColor& colour, Language language)
{
    // Hues by the angle where each ends, red again at the end of the circle.
    static const std::pair<int, Text> kHues[] = {
        {15, {QStringLiteral("rot"), QStringLiteral("red")}},
        {45, {QStringLiteral("orange"), QStringLiteral("orange")}},
        {70, {QStringLiteral("gelb"), QStringLiteral("yellow")}},
        {160, {QStringLiteral("grün"), QStringLiteral("green")}},
        {200, {QStringLiteral("türkis"), QStringLiteral("cyan")}},
        {260, {QStringLiteral("blau"), QStringLiteral("blue")}},
        {290, {QStringLiteral("violett"), QStringLiteral("violet")}},
        {335, {QStringLiteral("magenta"), QStringLiteral("magenta")}},
        {360, {QStringLiteral("rot"), QStringLiteral("red")}},
    };
    const Text grey{QStringLiteral("grau"), QStringLiteral("grey")};
    const Text dark{QStringLiteral("dunkel"), QStringLiteral("dark ")};
    const Text light{QStringLiteral("hell"), QStringLiteral("light ")};
    // German writes a colour's name as one word with a capital.
    const quiz::PerLanguage<bool> capitalised{true, false};
    const QColor hsl = colour.toHsl();
    const double lightness = hsl.lightnessF();
    QString name;
    if (lightness < 0.08) {
        name = Text{QStringLiteral("Schwarz"), QStringLiteral("black")}.in(language);
    } else if (lightness > 0.95) {
        name = Text{QStringLiteral("Weiß"), QStringLiteral("white")}.in(language);
    } else {
        QString hue = grey.in(language);
        if (hsl.hslSaturationF() >= 0.15) {
            const int angle = std::max(0, hsl.hslHue());
            hue = std::find_if(std::begin(kHues), std::end(kHues), [angle](const auto& each) {
                      return angle < each.first;
                  })->second.in(language);
        }
        if (lightness < 0.3)
            name = dark.in(language) + hue;
        else if (lightness > 0.7)
            name = light.in(language) + hue;
        else
            name = hue;
        if (capitalised.in(language))
            name[0] = name[0].toUpper();
    }
    return name + QStringLiteral(", ") + colour.name().toUpper();
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
