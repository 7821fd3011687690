#pragma once

#include <vector>

#include "lang/info_texts.h"

class QWidget;

namespace lernwerk {

class ErrorReporter;
class InfoPage;
struct InfoTopicRow;

// The names and height that tell one information page from another.
struct InfoPageShape {
    const char* page;       // the page
    const char* scrollBox;  // its scroll area
    const char* okButton;
    int contentHeight;  // of the white content the scroll area moves
};

// A menu entry that shows the topic's page of the interface language.
struct InfoMenuEntry {
    const char* name;
    Text caption;  // in the interface language
};

// Builds the topic's page of one language inside the main window's page control.
using InfoPageMaker = InfoPage* (*)(const InfoTopicRow& row, Language language, ErrorReporter& errors,
                                    QWidget* pageControl);

// Everything that belongs to one information topic: it has a German and an
// English page, each with a tab of its own, and an entry in the Windows menu
// and in the Help and Information menu.
struct InfoTopicRow {
    InfoTopic topic;
    Text tab;  // each page's tab caption, in the page's own language
    InfoMenuEntry windowsEntry;
    InfoMenuEntry helpEntry;
    quiz::PerLanguage<InfoPageShape> shape;
    // Where the page stands among the information pages of the page control;
    // the German pages come first, the catalogues last.
    quiz::PerLanguage<int> tabPlace;
    // Shown through a menu, the page starts at its top; the others keep
    // their position.
    bool opensAtTop;
    // The page's class, and for a page of texts its texts.
    InfoPageMaker makePage;
    const InfoTexts& (*texts)();
};

// The topics in the order of the menus, the introduction first.
const std::vector<InfoTopicRow>& infoTopics();

}  // namespace lernwerk
