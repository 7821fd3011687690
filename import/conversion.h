#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "import/source.h"

// A list source made question lines, by the editor's rule for pairs.
namespace listimport {

// Which side of each pair is asked: the first column's, the second's, or both
// (two lines, the first side's question first).
enum class Ask { First, Second, Both };

struct ConversionChoices {
    std::size_t firstColumn = 0;
    std::size_t secondColumn = 1;
    Ask ask = Ask::Second;
};

// Why an entry gave no line.
enum class SkipReason { EmptySide, Underscore };
inline constexpr std::size_t kSkipReasons = 2;

struct Conversion {
    std::vector<std::u16string> lines;
    std::array<std::size_t, kSkipReasons> skipped{};
    // Cloze hints ("{{c1::Rot::Farbe}}") that the notation has no place for.
    std::size_t hintsDropped = 0;
    // Lines whose question, blanked as a round shows it, another line shares.
    std::size_t lookAlikeLines = 0;
    // The blanked question most lines share, and how many share it.
    std::u16string lookAlikeQuestion;
    std::size_t lookAlikeCount = 0;

    std::size_t skippedCount(SkipReason reason) const { return skipped[static_cast<std::size_t>(reason)]; }
};

Conversion convert(const Source& source, const ConversionChoices& choices);
// The same for a source not needed afterwards: each record's room is given
// back once its lines are made, so that a large source is never held twice.
Conversion convert(Source&& source, const ConversionChoices& choices);

// The lines as one list text: CR LF between them, as the editor's output.
std::u16string listText(const std::vector<std::u16string>& lines);

// Saves the lines as the editor saves a list: UTF-8 with its signature when a
// character lies above U+00FF, else Windows-1252. The file is replaced at
// once or not at all. Throws textfile::FileError.
void saveList(const std::vector<std::u16string>& lines, const std::u16string& fileName);

}  // namespace listimport
