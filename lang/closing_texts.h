#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the closing dialog.
struct ClosingTexts {
    Text caption;
    Text question;     // Label18
    Text explanation;  // StaticText1 (German) and StaticText2 (English)
    // The same, when the list is kept elsewhere than beside the program (an
    // installed program); %1: that folder.
    Text explanationElsewhere;
    Text save;      // RadioButton1
    Text dontSave;  // RadioButton2
};

const ClosingTexts& closingTexts();

}  // namespace lernwerk
