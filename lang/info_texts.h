#pragma once

#include <QString>

#include <vector>

#include "lang/interface_language.h"

namespace lernwerk {

// The topics of the information pages; each has a German and an English
// page, and a row in `infoTopics()`.
enum class InfoTopic {
    introduction,
    recommendations,
    donation,
    licence,
    catalogue,
};

// What a line of an information page is; each kind has its own look.
enum class InfoKind {
    Title,      // the page's title
    Heading,    // a section heading
    Paragraph,  // running text, wrapped to the panel's width
    Link,       // a link label; its text is the address it opens
    SignOff,    // the maker's sign-off under a letter
};

struct InfoItem {
    InfoKind kind;
    QString text;
};

// The texts of an information page, top to bottom, in each language.
using InfoTexts = quiz::PerLanguage<std::vector<InfoItem>>;

const InfoTexts& introductionTexts();
const InfoTexts& recommendationsTexts();
const InfoTexts& licenceTexts();

}  // namespace lernwerk
