#pragma once

namespace lernwerk {

class Tprog;

// Puts the maker's sixteen programs at the top of the two software menus:
// entries linkde0..linkde15 into m_soft_de and linken0..linken15 into
// m_soft_en, each captioned with its catalogue line, showing its icon and
// opening its address through the main window's BrowseToMenuCaption. Run once,
// when the main window is created.
void buildSoftwareMenus(Tprog& prog);

}  // namespace lernwerk
