#include "app/spoken_question.h"

#include "quiz/gaps.h"

namespace lernwerk {

namespace {

// A blanked closed gap; a longer run holds several gaps, and a rest of two is
// the open gap at the end of the line.
constexpr qsizetype kClosedGapWidth = 5;

const QChar kGapMark(static_cast<char16_t>(quiz::kGapMark));

bool joinsWords(QChar unit) { return unit.isLetterOrNumber(); }

}  // namespace

QString spokenQuestion(const QString& shown, const QString& gapWord)
{
    QString spoken;
    spoken.reserve(shown.size());
    for (qsizetype at = 0; at < shown.size();) {
        if (shown[at] != kGapMark) {
            spoken += shown[at++];
            continue;
        }
        qsizetype end = at;
        while (end < shown.size() && shown[end] == kGapMark)
            ++end;
        const qsizetype gaps = (end - at + kClosedGapWidth - 1) / kClosedGapWidth;
        // A gap in the middle of a word is still said as a word of its own.
        if (!spoken.isEmpty() && joinsWords(spoken.back()))
            spoken += QLatin1Char(' ');
        for (qsizetype gap = 0; gap < gaps; ++gap) {
            if (gap > 0)
                spoken += QLatin1Char(' ');
            spoken += gapWord;
        }
        if (end < shown.size() && joinsWords(shown[end]))
            spoken += QLatin1Char(' ');
        at = end;
    }
    return spoken;
}

QString spokenSolution(const QString& line)
{
    QString spoken = line;
    spoken.remove(kGapMark);
    return spoken;
}

}  // namespace lernwerk
