#pragma once

#include <QString>

#include "quiz/round_texts.h"

namespace lernwerk {

// Where the list is remembered between runs: one file per interface language,
// "LetzteFrageliste.txt" for German and "LastQuestionnaire.txt" for English.
QString lastListFileName(quiz::Language language);

// The folder of the last-list files, with its trailing separator. Run from a build folder or
// from a folder the user unpacked, the files sit beside the program (`programDir`). Installed
// for the whole system (under /usr or /opt), the program's folder is not the user's to write,
// so the files live in `dataHome` + "/lernwerk/". That folder is made when the first list is
// saved, not here.
QString lastListFolder(const QString& programDir, const QString& dataHome);

// The same with the user's data folder ($XDG_DATA_HOME, by default ~/.local/share).
QString lastListFolder(const QString& programDir);

}  // namespace lernwerk
