#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the question-list editor.
struct EditorTexts {
    Text tab;
    Text heading;        // Label1
    Text input;          // gb1, also the name of its field
    Text output;         // gb2, also the name of its field
    Text explanation;    // StaticText6
    Text settings;       // GroupBox3
    Text handOver;       // Button13
    Text loadInput;      // Button9
    Text clearInput;     // Button8
    Text saveOutput;     // Button11
    Text clearOutput;    // Button10
    Text askFirstPart;   // cbt1
    Text askSecondPart;  // cbt2
    Text buildList;      // Button7
    Text close;          // Button12
    Text sampleInput;    // m1, lines separated by LF
};

const EditorTexts& editorPageTexts();

// The name of the current list when it is the editor's output, in both languages.
inline const QString kEditorListName = QStringLiteral("Fragenliste aus dem Editor");

// The editor's file dialogs, in both languages: the file type of the input
// (od2) and the file name the output's dialog (sd1) offers first; the output
// is saved as a question list (`kQuestionListFilter`).
inline const QString kEditorInputFilter = QStringLiteral("Textdateien (*.txt)");
inline const QString kEditorOfferedFile = QStringLiteral("NeueFragenliste.txt");

}  // namespace lernwerk
