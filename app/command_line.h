#pragma once

#include <QString>

namespace lernwerk {

// The program's command line: `lernwerk [FILE]`, and the options --help and
// --version.

// Answers --help and --version on the terminal and ends the process there,
// before the program needs a display. Call it before the application object
// exists; anything else it leaves for `listFileArgument`.
void answerInformationOptions(int argc, char** argv);

// The list file named on the command line of the running application, as an
// absolute path, or an empty text when none is named. A wrong option ends the
// process with a message on the terminal; of several files only the first is
// taken, and the terminal says which were left out.
QString listFileArgument();

}  // namespace lernwerk
