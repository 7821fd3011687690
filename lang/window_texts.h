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

// The menu bar, entry by entry under the names of the window descriptions;
// the entries that show the information pages take theirs from
// `infoTopics()`.
struct MenuTexts {
    Text p0, p1, p2, m_bug, p3;
    Text f0, f1, f2, f3, f4;
    Text Einstellungen1, Schrift1, hf, Sprache1, sp1, sp2;
    Text i0, i5, i9, i11, i6, i7, i10, i8, i12, m_bug_i;
};
const MenuTexts& menuTexts();

// The letter that opens a menu of the bar with Alt; the first such letter of
// the menu's caption is marked.
using AccessKey = quiz::PerLanguage<QChar>;
struct MenuAccessKeys {
    AccessKey p0, f0, Einstellungen1;
    AccessKey software;  // the menu of the interface language
    AccessKey i0;
};
const MenuAccessKeys& menuAccessKeys();

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
