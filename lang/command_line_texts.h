#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// What the program answers on the terminal (--help, --version) and tells
// about its arguments.
struct CommandLineTexts {
    Text description;
    // The file argument's name in the help, and what it is.
    Text fileName;
    Text fileArgument;
    // %1: the file names that were left out.
    Text extraFiles;
};
const CommandLineTexts& commandLineTexts();

}  // namespace lernwerk
