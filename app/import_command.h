#pragma once

#include "lang/interface_language.h"

class QCommandLineParser;

namespace lernwerk {

// `lernwerk --import SOURCE --output LIST.txt [--ask first|second|both]
// [--columns N,M] [--separator C] [--keep-first-row] [--force] [--deck NAME]...`:
// converts another trainer's file into a question list without a window; an
// Anki package's cards only from the decks named, when any are.

void addImportOptions(QCommandLineParser& parser, Language language);

// Whether the command line asks for an import.
bool importRequested(const QCommandLineParser& parser);

// Converts, says on the terminal what was made (or why nothing was) in the
// interface language, and gives the process's exit status: 0 when the list
// was written, 1 otherwise.
int runImportCommand(const QCommandLineParser& parser, Language language);

}  // namespace lernwerk
