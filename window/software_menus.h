#pragma once

#include <functional>

#include "quiz/language.h"

class QAction;
class QMenu;
class QMenuBar;

namespace lernwerk {

class ErrorReporter;

// What the entries of the software menus do.
struct SoftwareMenuHandlers {
    std::function<void()> showCatalogue;
    // A link entry: opens the address its caption begins with.
    std::function<void(QAction* entry)> browse;
};

// Adds a software menu for each language to `bar`, the English one first; one
// is shown at a time, by the interface language. Each holds the maker's
// sixteen programs (linkde0..linkde15 or linken0..linken15, captioned with
// their catalogue lines and showing their icons), an entry that shows the
// catalogue page, and two links. The handlers run through the error guard.
quiz::PerLanguage<QMenu*> addSoftwareMenus(QMenuBar* bar, const ErrorReporter& errors,
                                           const SoftwareMenuHandlers& handlers);

// Shows the software menu of `language` and hides the others; only the shown
// one has a letter that opens it with Alt.
void showSoftwareMenuOf(const quiz::PerLanguage<QMenu*>& menus, quiz::Language language);

}  // namespace lernwerk
