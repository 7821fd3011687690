#pragma once

#include "lang/interface_language.h"

class QCommandLineParser;

namespace lernwerk {

// `lernwerk --export-reviews FILE [--force]`: writes the learner's review
// history from the progress file as the CSV the FSRS optimizers read (see
// memory/review_export.h), without a window. It never writes over a file the
// program keeps, nor over another existing file without --force, and a file it
// cannot finish is left as it was.

void addExportOptions(QCommandLineParser& parser, Language language);

// Whether the command line asks for the export.
bool exportRequested(const QCommandLineParser& parser);

// Writes the file, says on the terminal what was written (or why nothing was)
// in the interface language, and gives the process's exit status: 0 when the
// file was written, 1 otherwise.
int runExportCommand(const QCommandLineParser& parser, Language language);

}  // namespace lernwerk
