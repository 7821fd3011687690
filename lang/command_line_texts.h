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
    // --export-reviews FILE: the option, and what it answers.
    Text optionExportReviews;
    // %1: the progress file, which is not there.
    Text exportNoProgress;
    // %1: the progress file and why it cannot be read.
    Text exportCannotRead;
    // %1: the file named, which the program keeps.
    Text exportKept;
    // %1 reviews of %2 questions, %3 the file.
    Text exportWritten;
};
const CommandLineTexts& commandLineTexts();

}  // namespace lernwerk
