#pragma once

#include <QString>

namespace lernwerk {

// The program's command line: `lernwerk [FILE]`, the options --help,
// --help-all and --version, the import (app/import_command.h) and the export
// of the reviews (app/export_command.h). A file name
// is taken in whatever bytes it has.

// Answers --help, --help-all and --version, or runs an import or an export, on the terminal
// and ends the process there, before the program needs a display; a wrong option is
// named there too and ends the process with status 1. Everything is said in
// the interface language. Call it before the application object exists;
// the file argument is left for `listFileArgument`.
void answerInformationOptions(int argc, char** argv);

// The list file named on the command line, as an absolute path, or an empty
// text when none is named. Call it with the arguments the application object
// left (it takes out the toolkit's own options). Of several files only the
// first is taken, and the terminal says which were left out.
QString listFileArgument(int argc, char** argv);

}  // namespace lernwerk
