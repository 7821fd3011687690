#pragma once

#include "lang/info_texts.h"
#include "lang/interface_language.h"

namespace lernwerk {

// The captions an information topic is known by.
struct InfoTopicCaptions {
    Text tab;  // each page's tab caption, in the page's own language
    // Its entries in the Windows menu and in the Help and Information menu,
    // in the interface language.
    Text windowsEntry;
    Text helpEntry;
};
const InfoTopicCaptions& infoTopicCaptions(InfoTopic topic);

// The texts of the information pages that are not their content. A page and
// its twin share one entry: the German page shows the German text, the
// English page the English one. Accessible names follow the interface
// language instead.
struct InfoPageTexts {
    // The button under every page that closes it.
    Text ok;

    // The donation picture: what it is, and the words it shows.
    Text donationPicture;
    Text donationPictureWords;

    // The catalogue's heading and introduction above its rows.
    Text catalogueHeading;
    Text catalogueIntroduction;
    // An icon of the catalogue; "%1" stands for the program's title.
    Text openProgramPage;
};
const InfoPageTexts& infoPageTexts();

}  // namespace lernwerk
