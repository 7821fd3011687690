#pragma once

#include <functional>

class QAction;
class QMenu;

namespace lernwerk {

// Puts the maker's sixteen programs at the top of the two software menus:
// entries linkde0..linkde15 into `german` and linken0..linken15 into
// `english`, each captioned with its catalogue line and showing its icon; a
// chosen entry goes to `browse`. Run once, when the main window is created.
void buildSoftwareMenus(QMenu* german, QMenu* english, const std::function<void(QAction*)>& browse);

}  // namespace lernwerk
