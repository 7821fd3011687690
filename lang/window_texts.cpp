#include "lang/window_texts.h"

#include "desktop/sites.h"

namespace lernwerk {

namespace {

// A link text on one of the maker's sites: the site, then `rest`.
Text site(const std::string& german, const std::string& english, const char* germanRest, const char* englishRest)
{
    return {QString::fromStdString(german) + QString::fromUtf8(germanRest),
            QString::fromStdString(english) + QString::fromUtf8(englishRest)};
}

}  // namespace

const WindowTexts& windowTexts()
{
    static const WindowTexts texts{
        .caption = {QStringLiteral("Lernwerk - Jorin Malke Studio"), QStringLiteral("Drillbook - Jorin Malke Studio")},
        .phase = {QStringLiteral("Herzlich Willkommen"), QStringLiteral("Welcome")},
        .result = {QStringLiteral("Status"), QStringLiteral("Status")},
        .donation = site(sites::kGerman, sites::kEnglish, "/spenden - Vielen Dank!", "/donate - Thank you!"),
        .statusBar = {QStringLiteral("Stand der Runde"), QStringLiteral("Progress of the round")},
        .startPicture = {QStringLiteral("Weiter zum Programm"), QStringLiteral("Continue to the program")},
    };
    return texts;
}

const MenuTexts& menuTexts()
{
    using sites::kEnglish;
    using sites::kGerman;
    using sites::kPersonalEnglish;
    using sites::kPersonalGerman;
    static const MenuTexts texts{
        .file = {QStringLiteral("&Programm"), QStringLiteral("&File")},
        .newSession = {QStringLiteral("Neue Fragerunde"), QStringLiteral("New Question Session")},
        .questionEditor = {QStringLiteral("Editor für Fragelisten"), QStringLiteral("Editor for Questionnaires")},
        .reportBug = {QStringLiteral("Fehler oder Verbesserung melden.."),
                      QStringLiteral("Report Bug or Improvement..")},
        .close = {QStringLiteral("Beenden"), QStringLiteral("Close")},
        .windows = {QStringLiteral("&Fenster"), QStringLiteral("&Windows")},
        .trainer = {QStringLiteral("Lernwerk"), QStringLiteral("Drillbook")},
        .statistics = {QStringLiteral("Statistik"), QStringLiteral("Statistics")},
        .questionnaire = {QStringLiteral("Fragenkatalog"), QStringLiteral("Questionnaire")},
        .editor = {QStringLiteral("Editor"), QStringLiteral("Editor")},
        .settings = {QStringLiteral("&Einstellungen"), QStringLiteral("&Settings")},
        .font = {QStringLiteral("Schrift ändern.."), QStringLiteral("Set Font..")},
        .background = {QStringLiteral("Hintergrundfarbe ändern.."), QStringLiteral("Set Background Color..")},
        .language = {QStringLiteral("Sprache"), QStringLiteral("Language")},
        .german = {QStringLiteral("Deutsch"), QStringLiteral("German")},
        .english = {QStringLiteral("Englisch"), QStringLiteral("English")},
        .help = {QStringLiteral("&Hilfe und Info"), QStringLiteral("&Help and Information")},
        .homepage =
            site(kGerman, kEnglish, "/lernwerk - Homepage dieser Software", "/drillbook - Website of this Software"),
        .introductionSite = site(kGerman, kEnglish, "/lernwerk-hilfe - Einführung in diese Software",
                                 "/drillbook-help - Introduction to this Software"),
        .functionsSite = site(kGerman, kEnglish, "/lernwerk-funktionen - Dokumentation aller Funktionen",
                              "/drillbook-functions - Documentation of all Functions"),
        .makerSite = site(kGerman, kEnglish, "", ""),
        .personalSite = site(kPersonalGerman, kPersonalEnglish, "", ""),
        .webdesignSite = site(kPersonalGerman, kPersonalEnglish, "/webdesign", "/webdesign"),
        .donationSite = site(kGerman, kEnglish, "/spenden - Falls Ihnen diese Software gefällt",
                             "/donate - If you like this Application"),
        .customisationSite =
            site(kGerman, kEnglish, "/individuelle-anpassung - Wir passen diese Software Ihren Bedürfnissen an",
                 "/individual-fit - We adapt this software to your needs"),
        .reportBugFromHelp = {QStringLiteral("Fehler oder Verbesserung melden.."),
                              QStringLiteral("Report Bug or Improvement..")},
    };
    return texts;
}

const SoftwareMenuTexts& softwareMenuTexts()
{
    static const SoftwareMenuTexts texts{
        .title = {QStringLiteral("&Software"), QStringLiteral("S&oftware")},
        .catalogue = {QStringLiteral("Kurzbeschreibung aller Programme"),
                      QStringLiteral("Brief Description of the Software")},
        .individual =
            site(sites::kGerman, sites::kEnglish, "/individuell - Individuelle Softwarelösungen für jeden Zweck",
                 "/individual - Individual Software Solutions for every Purpose"),
        .fit = site(sites::kGerman, sites::kEnglish, "/individuelle-anpassung - Individuelle Anpassung von Software",
                    "/individual-fit - Individual Adaption of existing Software"),
    };
    return texts;
}

}  // namespace lernwerk
