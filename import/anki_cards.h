#pragma once

#include "import/anki_collection.h"
#include "import/source.h"

// An Anki collection's cards made list records, one per card as Anki asks it:
// a normal note type's card gives its front and what its back adds; a cloze
// note gives one record, its clozes made gaps by the conversion. Image
// Occlusion notes give none and are counted, as are notes that refer to
// pictures or sounds. The note Anki leaves in its dummy collections for older
// programs never comes through.
namespace listimport {

// The text of the note Anki leaves in the dummy collection of a newer package.
inline constexpr std::u16string_view kAnkiUpdateNote =
    u"Please update to the latest Anki version, then import the .colpkg/.apkg file again.";

// The cards as a source: per record the fields {front, what the back adds}, or
// a cloze field, and its deck's index; the decks that hold cards by name. A
// card whose front or back is only a picture or a sound gives no record and is
// counted in its deck.
Source ankiCards(const AnkiCollection& collection);

}  // namespace listimport
