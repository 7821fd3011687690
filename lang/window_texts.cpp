#include "lang/window_texts.h"

#include "widgets/sites.h"

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
        .p0 = {QStringLiteral("Programm"), QStringLiteral("File")},
        .p1 = {QStringLiteral("Neue Fragerunde"), QStringLiteral("New Question Session")},
        .p2 = {QStringLiteral("Editor für Fragelisten"), QStringLiteral("Editor for Questionnaires")},
        .m_bug = {QStringLiteral("Fehler oder Verbesserung melden.."), QStringLiteral("Report Bug or Improvement..")},
        .p3 = {QStringLiteral("Beenden"), QStringLiteral("Close")},
        .f0 = {QStringLiteral("Fenster"), QStringLiteral("Windows")},
        .f1 = {QStringLiteral("Lernwerk"), QStringLiteral("Drillbook")},
        .f2 = {QStringLiteral("Statistik"), QStringLiteral("Statistics")},
        .f3 = {QStringLiteral("Fragenkatalog"), QStringLiteral("Questionnaire")},
        .f4 = {QStringLiteral("Editor"), QStringLiteral("Editor")},
        .Einstellungen1 = {QStringLiteral("Einstellungen"), QStringLiteral("Settings")},
        .Schrift1 = {QStringLiteral("Schrift ändern.."), QStringLiteral("Set Font..")},
        .hf = {QStringLiteral("Hintergrundfarbe ändern.."), QStringLiteral("Set Background Color..")},
        .Sprache1 = {QStringLiteral("Sprache"), QStringLiteral("Language")},
        .sp1 = {QStringLiteral("Deutsch"), QStringLiteral("German")},
        .sp2 = {QStringLiteral("Englisch"), QStringLiteral("English")},
        .i0 = {QStringLiteral("Hilfe und Info"), QStringLiteral("Help and Information")},
        .i5 = site(kGerman, kEnglish, "/lernwerk - Homepage dieser Software", "/drillbook - Website of this Software"),
        .i9 = site(kGerman, kEnglish, "/lernwerk-hilfe - Einführung in diese Software",
                   "/drillbook-help - Introduction to this Software"),
        .i11 = site(kGerman, kEnglish, "/lernwerk-funktionen - Dokumentation aller Funktionen",
                    "/drillbook-functions - Documentation of all Functions"),
        .i6 = site(kGerman, kEnglish, "", ""),
        .i7 = site(kPersonalGerman, kPersonalEnglish, "", ""),
        .i10 = site(kPersonalGerman, kPersonalEnglish, "/webdesign", "/webdesign"),
        .i8 = site(kGerman, kEnglish, "/spenden - Falls Ihnen diese Software gefällt",
                   "/donate - If you like this Application"),
        .i12 = site(kGerman, kEnglish, "/individuelle-anpassung - Wir passen diese Software Ihren Bedürfnissen an",
                    "/individual-fit - We adapt this software to your needs"),
        .m_bug_i = {QStringLiteral("Fehler oder Verbesserung melden.."), QStringLiteral("Report Bug or Improvement..")},
    };
    return texts;
}

const MenuAccessKeys& menuAccessKeys()
{
    static const MenuAccessKeys keys{
        .p0 = {u'P', u'F'},
        .f0 = {u'F', u'W'},
        .Einstellungen1 = {u'E', u'S'},
        .software = {u'S', u'o'},
        .i0 = {u'H', u'H'},
    };
    return keys;
}

const SoftwareMenuTexts& softwareMenuTexts()
{
    static const SoftwareMenuTexts texts{
        .title = {QStringLiteral("Software"), QStringLiteral("Software")},
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
