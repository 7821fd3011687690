#pragma once

// TRANSITION ONLY, deleted once the program creates the language object and
// passes it with the error reporter to the dialogs it creates.
#include "lang/language.h"

namespace lernwerk {

// The language the closing dialog saves for; the main window sets it before
// it shows the dialog.
InterfaceLanguage& transitionalLanguage();

}  // namespace lernwerk
