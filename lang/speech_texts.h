#pragma once

#include "lang/interface_language.h"

class QColor;

namespace lernwerk {

// What the program says to a screen reader beyond a round's steps, and the
// messages of actions that would otherwise pass without a word.
struct SpeechTexts {
    // A gap of a question as it is spoken: the word for the underscores.
    Text gap;
    // A menu entry that can be switched on and off, while it is off; and while
    // it is on, where the program names the entry itself: %1 its caption.
    Text notChecked;
    Text entryChecked;
    // Such an entry was switched: %1 its caption.
    Text switchedOn;
    Text switchedOff;
    // A language was chosen; the question list became the sample list.
    Text languageChosen;
    // The same when the switch ended the round in progress.
    Text languageChosenRoundEnded;
    // A key of the round (%1) was pressed while no round runs.
    Text noRound;
    // The editor's "Create List": %1 questions made; the second part names the
    // lines left out because they hold no " - ".
    Text questionsMade;
    Text oneQuestionMade;
    Text linesSkipped;
    Text oneLineSkipped;
    // No web browser took the address %1.
    Text noBrowser;
};

const SpeechTexts& speechTexts();

// How to start, as the question field shows it before the first round, in
// `language`: its lines after the heading, without their "> " marks.
QString firstStepsText(Language language);

// A colour as a screen reader says it: its hue with "dark" or "light", or
// black, grey and white, then its RGB value, e.g. "dark red, #800000".
QString colourName(const QColor& colour, Language language);

// The editor's report of "Create List" in `language`.
QString listBuiltText(std::size_t made, std::size_t skipped, Language language);

}  // namespace lernwerk
