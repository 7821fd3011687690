#pragma once

#include "lang/interface_language.h"

namespace lernwerk {

// The texts of the information pages that are not their content. A page and
// its twin share one entry: the German page shows the German text, the
// English page the English one. Accessible names follow the interface
// language instead.
struct InfoPageTexts {
    // Tab captions
    Text introductionTab;
    Text recommendationsTab;
    Text donationTab;
    Text licenceTab;
    Text catalogueTab;

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
