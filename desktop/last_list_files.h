#pragma once

#include <QString>
#include <QStringList>

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

// The folder of the running program as the file system names it, in any bytes
// (see textfile/file_names.h), with its trailing separator.
QString programFolderPath();

// The learner's progress, beside the last-list files.
inline constexpr const char* kProgressFileName = "progress.sqlite";

// Every file the program keeps in `folder`: the progress file with its journal
// and shared memory, and the last-list files. No save goes over one of them.
QStringList keptFiles(const QString& folder);

// True when `target` is one of `files`: by name, through links, or as the same
// file under another name; whether it exists yet or not.
bool isOneOf(const QString& target, const QStringList& files);

// What a save to `target` would go over that no save may: one of `lists` (the
// loaded list, the file being read: `list` is its index), or a file the
// program keeps in `folder`. Every save asks here before it writes.
struct Overwrite {
    enum class Kind { None, List, KeptFile };
    Kind kind = Kind::None;
    int list = -1;
};
Overwrite forbiddenOverwrite(const QString& target, const QStringList& lists, const QString& folder);

}  // namespace lernwerk
