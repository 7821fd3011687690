#pragma once

#include <QString>

#include <vector>

namespace lernwerk {

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

// The texts of an information page ("tb5", "tbeen", ...), top to bottom.
// Pages that hold no texts (the donation and catalogue pages) and unknown
// names get an empty list.
const std::vector<InfoItem>& infoTexts(const QString& page);

}  // namespace lernwerk
