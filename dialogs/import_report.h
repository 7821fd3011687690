#pragma once

#include <QString>
#include <QStringList>

#include "import/conversion.h"
#include "import/source.h"
#include "lang/interface_language.h"

namespace lernwerk {

// What an import made, one sentence a line, in the interface language: the
// lines of the new list, the first row taken for the columns' names, the
// entries skipped by reason, the cloze hints left out and the questions that
// look the same. Counts of nothing are left out.
QStringList importCounts(const listimport::Source& source, const listimport::Conversion& result, Language language);

// What an Anki package gives no line for, one sentence a line: its cards with
// a side that is only a picture or a sound, its Image Occlusion notes, and its
// notes that refer to pictures or sounds, in the decks the source holds. Empty
// for other sources.
QStringList packageCounts(const listimport::Source& source, Language language);

// Why `fileName` cannot be imported, naming it.
QString importFailure(const listimport::ImportError& error, const QString& fileName, Language language);

// Whether saving the new list to `target` would write over the source, the
// loaded list, or a file the program keeps (in `programFolder`): the reason in
// the interface language, else an empty text.
QString forbiddenTarget(const QString& target, const QString& source, const QString& loaded,
                        const QString& programFolder, Language language);

}  // namespace lernwerk
