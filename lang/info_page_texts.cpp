#include "lang/info_page_texts.h"

#include <stdexcept>

namespace lernwerk {

const InfoTopicCaptions& infoTopicCaptions(InfoTopic topic)
{
    static const InfoTopicCaptions introduction{
        .tab = {QStringLiteral("Einführung"), QStringLiteral("Introduction")},
        .windowsEntry = {QStringLiteral("Einführung"), QStringLiteral("Introduction")},
        .helpEntry = {QStringLiteral("Einführung"), QStringLiteral("Introduction")},
    };
    static const InfoTopicCaptions recommendations{
        .tab = {QStringLiteral("Empfehlungen"), QStringLiteral("Regards")},
        .windowsEntry = {QStringLiteral("Empfehlungen"), QStringLiteral("Regards")},
        .helpEntry = {QStringLiteral("Empfehlungen"), QStringLiteral("Regards")},
    };
    static const InfoTopicCaptions catalogue{
        .tab = {QStringLiteral("Software"), QStringLiteral("Software")},
        .windowsEntry = {QStringLiteral("Software"), QStringLiteral("Software")},
        .helpEntry = {QStringLiteral("Software"), QStringLiteral("Software")},
    };
    // The three German captions of the donation page are spelt three ways.
    static const InfoTopicCaptions donation{
        .tab = {QStringLiteral("Wieso spenden?"), QStringLiteral("Why Donate?")},
        .windowsEntry = {QStringLiteral("Wieso spenen?"), QStringLiteral("Why Donate?")},
        .helpEntry = {QStringLiteral("Wieso Spenden?"), QStringLiteral("Why Donate?")},
    };
    static const InfoTopicCaptions licence{
        .tab = {QStringLiteral("Lizenz"), QStringLiteral("Licence")},
        .windowsEntry = {QStringLiteral("Lizenz"), QStringLiteral("Licence")},
        .helpEntry = {QStringLiteral("Lizenz"), QStringLiteral("Licence")},
    };
    switch (topic) {
        case InfoTopic::introduction:
            return introduction;
        case InfoTopic::recommendations:
            return recommendations;
        case InfoTopic::catalogue:
            return catalogue;
        case InfoTopic::donation:
            return donation;
        case InfoTopic::licence:
            return licence;
    }
    throw std::out_of_range("no such information topic");
}

const InfoPageTexts& infoPageTexts()
{
    static const InfoPageTexts texts{
        .ok = {QStringLiteral("OK"), QStringLiteral("OK")},
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
