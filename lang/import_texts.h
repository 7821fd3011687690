#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the import: the dialog, its counts, and the command line's
// options and messages.
struct ImportTexts {
    Text menuEntry;  // File menu and the dialog's title without the dots
    Text title;
    Text source;  // %1: the file
    Text format;
    Text encoding;
    Text separator;
    Text headerRow;
    Text firstColumn;
    Text secondColumn;
    Text ask;
    Text askFirst;
    Text askSecond;
    Text askBoth;
    Text preview;
    Text counts;
    Text import;
    Text cancel;
    // Format names.
    Text kvtml2;
    Text kvtml1;
    Text delimited;
    Text anki;
    Text ankiPackage;
    // Separator names.
    Text tab;
    Text semicolon;
    Text comma;
    Text pipe;
    Text otherSeparator;  // %1: the character
    Text column;          // %1: its number
    // Counts. %1 the number.
    Text linesMade;
    Text skippedEmpty;
    Text skippedUnderscore;
    Text hintsDropped;
    Text lookAlike;  // %1 the number, %2 the question as a round shows it
    Text noLines;
    Text headerDropped;  // %1 the first row's cells
    // Anki packages: the decks to import, and what a package gives no line for.
    Text decks;
    Text deckItem;             // %1 the deck, %2 its cards
    Text skippedMediaOnly;     // %1 the number
    Text imageOcclusionNotes;  // %1 the number
    Text mediaNotes;           // %1 the number
    // Reasons a source cannot be read.
    Text cannotImport;  // %1 the file, %2 the reason
    Text unreadable;    // %1 the system's message
    Text notAFile;
    Text tooLarge;
    Text unknownFormat;
    Text noSeparator;
    Text brokenXml;  // %1 the parser's message
    Text notKvtml;
    Text openQuote;
    Text tooManyColumns;  // %1 the most columns read
    Text brokenPackage;   // %1 the reader's message
    // Saving.
    Text saveTitle;
    Text keptFile;    // %1 the file
    Text sourceFile;  // %1 the file
    Text loadedList;  // %1 the file
    // The command line.
    Text optionImport;
    Text optionOutput;
    Text optionAsk;
    Text optionColumns;
    Text optionSeparator;
    Text optionForce;
    Text optionKeepFirstRow;
    Text optionDeck;
    Text sourceValue;
    Text listValue;
    Text deckValue;
    Text linesWritten;    // %1 the number, %2 the file
    Text oneLineWritten;  // %1 the number (1), %2 the file
    Text nothingWritten;  // %1 the file
    Text outputMissing;
    Text outputExists;  // %1 the file
    Text badAsk;        // %1 the value
    Text badColumns;    // %1 the value
    Text badSeparator;  // %1 the value
    Text cannotWrite;   // %1 the file, %2 the reason
    Text unknownDeck;   // %1 the name, %2 the package's decks
    Text deckWithoutPackage;
};

const ImportTexts& importTexts();

}  // namespace lernwerk
