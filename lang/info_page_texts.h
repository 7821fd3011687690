#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the donation and catalogue pages that are not their content
// (the captions of every page's tab and menu entries stand in its row of
// `infoTopics()`). A page and
// its twin share one entry: the German page shows the German text, the
// English page the English one. Accessible names follow the interface
// language instead.
struct InfoPageTexts {
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
