#pragma once

#include <QString>

#include <iterator>

#include "quiz/language.h"

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

// The user's data folder as the XDG rules have it: $XDG_DATA_HOME when that is an absolute
// path (a relative one is ignored), otherwise ".local/share" in the home folder: $HOME, or,
// when that is unset or not absolute, `accountHome`, the home folder of the user's account.
// Empty when no home folder is known.
QString userDataFolder(const QString& xdgDataHome, const QString& home, const QString& accountHome);

// The same for this process's environment and account.
QString userDataFolder();

// The folder of the last-list files for the running program, with the user's data folder.
QString lastListFolder(const QString& programDir);

}  // namespace lernwerk
