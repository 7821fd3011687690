#pragma once

#include "lang/language.h"

namespace lernwerk {

// The texts of one report window; each language has a window of its own.
struct ReportTexts {
    QString caption;
    QString greeting;      // Label16
    QString supportIntro;  // StaticText19
    QString supportLink;   // Label70
    QString emailNote;     // StaticText1
    QString customIntro;   // StaticText2
    QString customLink;    // Label1
};

const ReportTexts& reportTexts(Language language);

}  // namespace lernwerk
