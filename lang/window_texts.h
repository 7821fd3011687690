#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The main window's caption and the status bar's three panels at the start
// and after a language switch.
struct WindowTexts {
    Text caption;
    Text phase;
    Text result;
    Text donation;
    // What a screen reader calls the status bar and the start screen's pictures.
    Text statusBar;
    Text startPicture;
};
const WindowTexts& windowTexts();

// The menu bar's captions, entry by entry (window/main_menus.cpp gives each
// entry its object name); the entries that show the information pages take
// theirs from `infoTopics()`.
struct MenuTexts {
    Text file, newSession, questionEditor, reportBug, close;
    Text windows, trainer, statistics, questionnaire, editor;
    Text settings, font, background, language, german, english;
    Text help, homepage, introductionSite, functionsSite, makerSite, personalSite, webdesignSite, donationSite,
        customisationSite, reportBugFromHelp;
};
const MenuTexts& menuTexts();

// The software menus, one for each language; each shows its own language's
// texts only.
struct SoftwareMenuTexts {
    Text title;
    Text catalogue;  // shows the catalogue page
    // Links: the address, then what it offers.
    Text individual;
    Text fit;
};
const SoftwareMenuTexts& softwareMenuTexts();

}  // namespace lernwerk
