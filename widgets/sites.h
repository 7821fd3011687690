#pragma once

#include <string>

namespace lernwerk::sites {

// The maker's four web sites, written as link texts show them: no scheme and
// no leading "www.". German sites end in ".de", English ones in ".com".
inline const std::string kGerman = "malke-studio.de";
inline const std::string kEnglish = "malke-studio.com";
inline const std::string kPersonalGerman = "jorin-malke.de";
inline const std::string kPersonalEnglish = "jorin-malke.com";

}  // namespace lernwerk::sites
