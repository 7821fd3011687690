#pragma once

#include <string>

#include "quiz/language.h"

namespace lernwerk::sites {

// The maker's four web sites, written as link texts show them: no scheme and
// no leading "www.". German sites end in ".de", English ones in ".com".
inline const std::string kGerman = "malke-studio.de";
inline const std::string kEnglish = "malke-studio.com";
inline const std::string kPersonalGerman = "jorin-malke.de";
inline const std::string kPersonalEnglish = "jorin-malke.com";

// The program's own site in each language.
inline const quiz::PerLanguage<std::string> kHome{kGerman, kEnglish};

}  // namespace lernwerk::sites
