#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The text of one field of another trainer's file, made fit for a question line.
namespace listimport {

// Trimmed, with every inner run of blanks and line breaks made one blank.
std::u16string tidyField(std::u16string_view field);

// Markup as Anki stores it made plain text: line-breaking tags (<br>, <div>,
// <p>, <li>) become line breaks, every other tag goes, entities are decoded,
// and sound references "[sound:...]" are dropped.
std::u16string markupToText(std::u16string_view html);
// Only the sound references dropped, for notes stored without markup.
std::u16string withoutSounds(std::u16string_view text);

// Whether the text holds a cloze deletion "{{c1::...}}".
bool hasCloze(std::u16string_view text);
// Every cloze deletion "{{cN::answer}}" or "{{cN::answer::hint}}" made the gap
// "_answer_"; the hints are dropped and counted in `hintsDropped`.
std::u16string clozeToGaps(std::u16string_view text, std::size_t& hintsDropped);

// A text that marks its blanks with square brackets ("sie haben [einen
// Porsche] gekauft") with each bracketed part made a gap; nothing when the text
// holds no brackets, or brackets that do not pair.
std::optional<std::u16string> bracketsToGaps(std::u16string_view text);

}  // namespace listimport
