#include "lang/import_texts.h"

namespace lernwerk {

namespace {

Text both(const char16_t* german, const char16_t* english)
{
    return {QString::fromUtf16(german), QString::fromUtf16(english)};
}

}  // namespace

const ImportTexts& importTexts()
{
    static const ImportTexts texts{
        .menuEntry = both(u"Liste importieren..", u"Import List.."),
        .title = both(u"Liste importieren", u"Import List"),
        .source = both(u"Datei: %1", u"File: %1"),
        .format = both(u"Format:", u"Format:"),
        .encoding = both(u"Zeichenkodierung:", u"Encoding:"),
        .separator = both(u"Trennzeichen:", u"Separator:"),
        .headerRow = both(u"Erste Zeile benennt die Spalten", u"First row names the columns"),
        .firstColumn = both(u"Erste Seite:", u"First side:"),
        .secondColumn = both(u"Zweite Seite:", u"Second side:"),
        .ask = both(u"Gefragt wird nach:", u"Ask for:"),
        .askFirst = both(u"der ersten Seite", u"the first side"),
        .askSecond = both(u"der zweiten Seite", u"the second side"),
        .askBoth = both(u"beiden Seiten", u"both sides"),
        .preview = both(u"Vorschau (die ersten 50 Zeilen, wie sie geschrieben werden):",
                        u"Preview (the first 50 lines, as they will be written):"),
        .counts = both(u"Ergebnis:", u"Result:"),
        .import = both(u"Importieren", u"Import"),
        .cancel = both(u"Abbrechen", u"Cancel"),
        .kvtml2 = both(u"kvtml 2.0 (KWordQuiz, Parley)", u"kvtml 2.0 (KWordQuiz, Parley)"),
        .kvtml1 = both(u"kvtml 1.0 (ältere KWordQuiz-Dateien)", u"kvtml 1.0 (older KWordQuiz files)"),
        .delimited = both(u"Text mit Trennzeichen (CSV)", u"Delimited text (CSV)"),
        .anki = both(u"Anki: Notizen als reiner Text", u"Anki: Notes in Plain Text"),
        .ankiPackage = both(u"Anki-Paket (.apkg, .colpkg), eine Zeile je Karte",
                            u"Anki package (.apkg, .colpkg), one line per card"),
        .tab = both(u"Tabulator", u"Tab"),
        .semicolon = both(u"Semikolon ;", u"Semicolon ;"),
        .comma = both(u"Komma ,", u"Comma ,"),
        .pipe = both(u"Senkrechter Strich |", u"Pipe |"),
        .otherSeparator = both(u"Zeichen %1", u"Character %1"),
        .column = both(u"Spalte %1", u"Column %1"),
        .linesMade = both(u"Zeilen der neuen Liste: %1", u"Lines of the new list: %1"),
        .skippedEmpty = both(u"Übersprungen, weil eine Seite leer ist: %1", u"Skipped because a side is empty: %1"),
        .skippedUnderscore = both(u"Übersprungen, weil ein Feld einen Unterstrich enthält, den eine Liste nicht "
                                  u"schreiben kann: %1",
                                  u"Skipped because a field holds an underscore, which a list cannot write: %1"),
        .hintsDropped = both(u"Weggelassene Hinweise von Lückentexten: %1", u"Cloze hints left out: %1"),
        .lookAlike = both(u"%1 Fragen sehen gleich aus: %2", u"%1 questions look the same: %2"),
        .noLines = both(u"Aus dieser Datei entsteht keine Zeile.", u"This file gives no line."),
        .headerDropped = both(u"Die erste Zeile benennt die Spalten und wird nicht importiert: %1",
                              u"The first row names the columns and is not imported: %1"),
        .decks = both(u"Stapel (importiert werden die angekreuzten):", u"Decks (those checked are imported):"),
        .deckItem = both(u"%1 (%2 Karten)", u"%1 (%2 cards)"),
        .skippedMediaOnly = both(u"Übersprungen, weil eine Seite nur ein Bild oder ein Ton ist: %1",
                                 u"Skipped because a side is only a picture or a sound: %1"),
        .imageOcclusionNotes = both(u"Weggelassene Image-Occlusion-Notizen (sie verdecken Stellen eines Bildes): %1",
                                    u"Image Occlusion notes left out (they hide parts of a picture): %1"),
        .mediaNotes = both(u"Notizen mit Bildern oder Tönen, die nicht mit importiert werden: %1",
                           u"Notes that refer to pictures or sounds, which are not imported: %1"),
        .cannotImport = both(u"\"%1\" kann nicht importiert werden: %2", u"Cannot import \"%1\": %2"),
        .unreadable = both(u"die Datei kann nicht gelesen werden. %1", u"the file cannot be read. %1"),
        .notAFile = both(u"das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Leitung.",
                         u"this is no regular file but a folder, a device or a pipe."),
        .tooLarge = both(u"die Datei ist größer als 64 MB, zu groß für eine Liste.",
                         u"the file is larger than 64 MB, too large for a list."),
        .unknownFormat = both(u"die Datei ist weder kvtml noch Text mit Trennzeichen noch ein Anki-Export.",
                              u"the file is neither kvtml nor delimited text nor an Anki export."),
        .noSeparator = both(u"keine Zeile hat zwei Felder zwischen Tabulatoren, Semikolons, Kommas oder "
                            u"senkrechten Strichen.",
                            u"no line holds two fields between tabs, semicolons, commas or pipes."),
        .brokenXml = both(u"die XML-Datei ist beschädigt (%1).", u"the XML file is broken (%1)."),
        .notKvtml = both(u"die XML-Datei ist keine kvtml-Datei.", u"the XML file is no kvtml file."),
        .openQuote =
            both(u"die Anführungszeichen der Datei bilden keine Paare.", u"the file's quotation marks do not pair."),
        .tooManyColumns = both(u"die Datei hat mehr als %1 Spalten oder Sprachen; eine Liste braucht zwei davon.",
                               u"the file has more than %1 columns or languages; a list uses two of them."),
        .brokenPackage =
            both(u"das Anki-Paket ist beschädigt oder keines (%1).", u"the Anki package is broken or none (%1)."),
        .saveTitle = both(u"Neue Liste speichern", u"Save New List"),
        .keptFile = both(u"\"%1\" führt das Programm selbst; die Liste wird dort nicht gespeichert.",
                         u"\"%1\" is kept by the program itself; the list is not saved there."),
        .sourceFile = both(u"\"%1\" ist die Datei, aus der importiert wird; sie wird nur gelesen.",
                           u"\"%1\" is the file being imported; it is only read."),
        .loadedList = both(u"\"%1\" ist die geladene Liste; die neue Liste wird dort nicht gespeichert.",
                           u"\"%1\" is the list loaded; the new list is not saved there."),
        .optionImport = both(u"Liest die Datei eines anderen Trainers (kvtml, CSV, Anki-Notizen und -Pakete) "
                             u"und schreibt eine Frageliste, ohne Fenster.",
                             u"Reads another trainer's file (kvtml, CSV, Anki notes and packages) and writes a "
                             u"question list, without a window."),
        .optionOutput = both(u"Die Frageliste, die --import schreibt.", u"The question list --import writes."),
        .optionAsk = both(u"Gefragt wird nach der ersten, der zweiten (Vorgabe) oder beiden Seiten.",
                          u"Ask for the first, the second (default) or both sides."),
        .optionColumns = both(u"Die beiden Spalten oder Sprachen, ab 1 gezählt (Vorgabe 1,2).",
                              u"The two columns or languages, counted from 1 (default 1,2)."),
        .optionSeparator = both(u"Das Trennzeichen: tab oder ein Zeichen wie ; , | oder §.",
                                u"The separator: tab or one character such as ; , | or §."),
        .optionForce = both(u"Ersetzt eine vorhandene Ausgabedatei.", u"Replaces an existing output file."),
        .optionKeepFirstRow = both(u"Importiert die erste Zeile von Text mit Trennzeichen auch dann, wenn sie "
                                   u"die Spalten zu benennen scheint.",
                                   u"Imports the first row of delimited text also when it seems to name the "
                                   u"columns."),
        .optionDeck = both(u"Nur dieser Stapel eines Anki-Pakets, mit den Stapeln darunter; mehrmals möglich "
                           u"(Vorgabe: alle).",
                           u"Only this deck of an Anki package, with the decks below it; may be given more than "
                           u"once (default: all)."),
        .sourceValue = both(u"QUELLE", u"SOURCE"),
        .listValue = both(u"LISTE.txt", u"LIST.txt"),
        .deckValue = both(u"STAPEL", u"DECK"),
        .linesWritten = both(u"%1 Zeilen nach \"%2\" geschrieben.", u"%1 lines written to \"%2\"."),
        .oneLineWritten = both(u"%1 Zeile nach \"%2\" geschrieben.", u"%1 line written to \"%2\"."),
        .nothingWritten = both(u"Keine Zeile zu schreiben; \"%1\" bleibt, wie es war.",
                               u"No line to write; \"%1\" is left as it was."),
        .outputMissing = both(u"--import braucht --output LISTE.txt.", u"--import needs --output LIST.txt."),
        .outputExists =
            both(u"\"%1\" gibt es schon; --force ersetzt die Datei.", u"\"%1\" exists already; --force replaces it."),
        .badAsk = both(u"--ask nimmt first, second oder both, nicht \"%1\".",
                       u"--ask takes first, second or both, not \"%1\"."),
        .badColumns = both(u"--columns nimmt zwei Zahlen ab 1 wie 1,2, nicht \"%1\"; die Datei hat so viele "
                           u"Spalten nicht.",
                           u"--columns takes two numbers from 1 such as 1,2, not \"%1\", within the file's "
                           u"columns."),
        .badSeparator = both(u"--separator nimmt tab oder ein Zeichen, nicht \"%1\".",
                             u"--separator takes tab or one character, not \"%1\"."),
        .cannotWrite = both(u"\"%1\" kann nicht geschrieben werden: %2", u"Cannot write \"%1\": %2"),
        .unknownDeck = both(u"Das Paket hat keinen Stapel \"%1\"; seine Stapel: %2",
                            u"The package has no deck \"%1\"; its decks: %2"),
        .deckWithoutPackage = both(u"--deck gilt nur für Anki-Pakete (.apkg, .colpkg).",
                                   u"--deck applies to Anki packages (.apkg, .colpkg) only."),
    };
    return texts;
}

}  // namespace lernwerk
