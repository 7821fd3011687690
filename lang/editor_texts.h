#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the question-list editor.
struct EditorTexts {
    Text tab;
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

}  // namespace lernwerk
