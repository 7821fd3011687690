#include "lang/info_page_texts.h"

namespace lernwerk {

const InfoPageTexts& infoPageTexts()
{
    static const InfoPageTexts texts{
        .donationPicture = {QStringLiteral("Bitte um eine Spende"), QStringLiteral("Asking for a donation")},
        .donationPictureWords =
            {QStringLiteral("Ein Herz neben einer Liste mit Häkchen. Gefällt Ihnen Lernwerk? Lernwerk ist kostenlos. "
                            "Wenn Ihnen das Programm beim Lernen hilft, freuen wir uns über eine Spende in der "
                            "Höhe, die Sie selbst wählen. Jeder Betrag hilft, Lernwerk weiterzuentwickeln. Den Link "
                            "zu unserer Spendenseite finden Sie unter diesem Bild. Herzlichen Dank! – Jorin Malke "
                            "Studio"),
             QStringLiteral("A heart beside a list with a tick. Do you like Drillbook? Drillbook is free. If it helps "
                            "you learn, we would be glad of a donation of whatever amount you choose. Every "
                            "donation helps us keep improving Drillbook. You will find the link to our donation "
                            "page below this picture. Thank you! – Jorin Malke Studio")},
        .catalogueHeading = {QStringLiteral("Software"), QStringLiteral("Software")},
        .catalogueIntroduction =
            {QStringLiteral("Weitere Programme von Jorin Malke Studio, alle kostenlos zum Herunterladen. Ein Klick "
                            "auf ein Symbol öffnet die Seite des Programms; zeigen Sie darauf, sehen Sie ihre "
                            "Adresse."),
             QStringLiteral("More programs by Jorin Malke Studio, all free to download. A click on an icon opens the "
                            "program's web page; point at an icon to see its address.")},
        .openProgramPage = {QStringLiteral("Seite von %1 öffnen"), QStringLiteral("Open the page of %1")},
    };
    return texts;
}

}  // namespace lernwerk
