#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the report windows; each language has a window of its own,
// which shows its language's side of the table.
struct ReportTexts {
    Text caption;
    Text greeting;      // Label16
    Text supportIntro;  // StaticText19
    Text supportLink;   // Label70
    Text emailNote;     // StaticText1
    Text customIntro;   // StaticText2
    Text customLink;    // Label1
};

const ReportTexts& reportTexts();

}  // namespace lernwerk
