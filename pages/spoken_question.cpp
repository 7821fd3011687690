#include "pages/spoken_question.h"

#include <algorithm>

#include "quiz/gaps.h"

namespace lernwerk {

namespace {

// A blanked closed gap; a longer run holds several gaps, and a rest of two is
// the open gap at the end of the line.
constexpr qsizetype kClosedGapWidth = 5;

const QChar kGapMark(static_cast<char16_t>(quiz::kGapMark));

bool joinsWords(QChar unit) { return unit.isLetterOrNumber(); }

}  // namespace

TextFieldAccessible::Reading readQuestion(const QString& shown, const QString& gapWord)
{
    TextFieldAccessible::Reading read;
    QString& spoken = read.text;
    spoken.reserve(shown.size());
    // Each unit of the reading stands for the shown unit it was made from.
    const auto add = [&read](const QString& units, qsizetype from) {
        read.text += units;
        read.shownAt.insert(read.shownAt.end(), static_cast<std::size_t>(units.size()), static_cast<int>(from));
    };
    for (qsizetype at = 0; at < shown.size();) {
        if (shown[at] != kGapMark) {
            add(shown[at], at);
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < shown.size() && shown[end] == kGapMark)
            ++end;
        const qsizetype gaps = (end - at + kClosedGapWidth - 1) / kClosedGapWidth;
        // A gap in the middle of a word is still said as a word of its own.
        if (!spoken.isEmpty() && joinsWords(spoken.back()))
            add(QStringLiteral(" "), at);
        for (qsizetype gap = 0; gap < gaps; ++gap) {
            const qsizetype from = std::min(at + gap * kClosedGapWidth, end - 1);
            if (gap > 0)
                add(QStringLiteral(" "), from);
            add(gapWord, from);
        }
        if (end < shown.size() && joinsWords(shown[end]))
            add(QStringLiteral(" "), end - 1);
        at = end;
    }
    read.shownAt.push_back(static_cast<int>(shown.size()));
    return read;
}

QString spokenQuestion(const QString& shown, const QString& gapWord) { return readQuestion(shown, gapWord).text; }

QString spokenQuestion(const std::vector<quiz::QuestionPiece>& pieces, const QString& gapWord)
{
    QString spoken;
    for (const quiz::QuestionPiece& piece : pieces) {
        const QString text = QString::fromStdU16String(piece.text);
        if (!piece.gap) {
            spoken += text;
            continue;
        }
        // A gap in the middle of a word is still said as a word of its own.
        if (!spoken.isEmpty() && joinsWords(spoken.back()))
            spoken += QLatin1Char(' ');
        if (!text.isEmpty())
            spoken += text + QLatin1Char(' ');
        spoken += gapWord;
    }
    // A word right after a gap stands apart from it too.
    for (qsizetype at = spoken.indexOf(gapWord); at >= 0; at = spoken.indexOf(gapWord, at + gapWord.size())) {
        const qsizetype after = at + gapWord.size();
        if (after < spoken.size() && joinsWords(spoken[after]))
            spoken.insert(after, QLatin1Char(' '));
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
