#pragma once

#include <string>
#include <vector>

namespace lernwerk::lang {

// Where a text goes on the named object.
enum class Slot {
    Caption,     // window title, label, button, check box, group box, menu or menu entry
    Tab,         // the tab of the named page of the page control
    Panel0,      // the status bar's panels
    Panel1,
    Panel2,
    Lines,       // a text field emptied, then given these lines ('\n' between them)
};

// One text of the main window in both languages, side by side.
struct Text {
    const char* object;
    Slot slot;
    std::string german;
    std::string english;
};

// The tables in the order the language switch applies them.
const std::vector<Text>& windowTexts();      // window and status bar
const std::vector<Text>& trainerTexts();     // trainer page
const std::vector<Text>& listsTexts();       // statistics page
const std::vector<Text>& menuTexts();        // the menu bar

// The information pages in pairs, German page first: introduction, then
// recommendations, licence, donation and software catalogue.
struct PagePair {
    const char* german;
    const char* english;
};
const std::vector<PagePair>& infoPagePairs();

}  // namespace lernwerk::lang
