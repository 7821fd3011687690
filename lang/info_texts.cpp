#include "lang/info_texts.h"

#include <string>

#include "desktop/sites.h"

namespace lernwerk {

namespace {

// The paragraphs wrap at spaces. A no-break space keeps "Frage - Antwort" on
// one line, a no-break hyphen keeps the personal site's name whole.

InfoItem title(const char* text) { return {InfoKind::Title, QString::fromUtf8(text)}; }

InfoItem heading(const char* text) { return {InfoKind::Heading, QString::fromUtf8(text)}; }

InfoItem paragraph(const char* text) { return {InfoKind::Paragraph, QString::fromUtf8(text)}; }

InfoItem signOff(const char* text) { return {InfoKind::SignOff, QString::fromUtf8(text)}; }

InfoItem link(const std::string& site, const char* path = "")
{
    return {InfoKind::Link, QString::fromStdString(site) + QString::fromLatin1(path)};
}

// ---- introduction

const char* const kConcernsDe =
    "Anregungen, Kritik und Wünsche für die nächsten Versionen sind uns jederzeit willkommen. Schreiben Sie "
    "uns einfach über das Support-Formular auf der Seite des Programms:";
const char* const kConcernsEn =
    "Suggestions, criticism and wishes for the next versions are always welcome. Simply write to us through "
    "the support form on the program's page:";

std::vector<InfoItem> introductionDe()
{
    return {
        title("Willkommen bei Lernwerk von Jorin Malke Studio!"),
        paragraph("Lernwerk hilft Ihnen beim Lernen, ob für Schule, Studium, Beruf oder Führerschein: Das Programm "
                  "stellt Ihnen die Fragen einer vorgegebenen Liste in zufälliger Reihenfolge, damit Sie sich den "
                  "Stoff einprägen und nicht die Reihenfolge der Antworten. Eine Frage, die Sie noch nicht "
                  "beantworten können, stellen Sie einfach zurück; sie kommt später noch einmal. Eine richtig "
                  "beantwortete Frage wird bei der Wiederholung ausgelassen, so dass Sie sich ganz auf das "
                  "konzentrieren können, was Sie noch nicht wissen. Am Ende einer Runde zeigt Ihnen Lernwerk eine "
                  "Statistik Ihres Lernerfolgs; alle Runden seit dem Programmstart finden Sie auf der Seite "
                  "„Statistik“."),
        paragraph("Eine Fragerunde starten Sie im Menü „Programm“ mit „Neue Fragerunde“. Die Liste, die gerade "
                  "abgefragt wird, steht auf der Seite „Fragelisten“; dort öffnen Sie mit „Liste Laden..“ auch "
                  "andere Listen. Fragelisten sind einfache Textdateien, die Sie mit jedem Texteditor schreiben "
                  "können: Jede Zeile enthält eine Frage, und die Wörter, nach denen gefragt wird, stehen zwischen "
                  "Unterstrichen, zum Beispiel: Die Hauptstadt von Frankreich ist _Paris_. Beim Abfragen sehen Sie "
                  "an ihrer Stelle nur Lücken."),
        paragraph("Eine neue Runde mit der aktuellen Liste beginnt auch mit der Schaltfläche „Neue Runde..“ auf "
                  "der Seite „Fragelisten“. Die Frage erscheint dann im oberen Feld der Seite „Lernwerk“. Das "
                  "mittlere Feld ist für Ihre eigenen Notizen da: Schreiben Sie Ihre Antwort hinein, bevor Sie "
                  "nachsehen. Das untere Feld zeigt nach einem Klick auf „Auflösen“ die Lösung. Mit den drei "
                  "Schaltflächen daneben entscheiden Sie, wie es weitergeht: „Richtig“ nimmt die Frage aus der "
                  "Runde, nach „Falsch“ und „Zurückstellen“ kommt sie später noch einmal. Die Runde endet, wenn "
                  "Sie jede Frage einmal richtig beantwortet haben."),
        paragraph("Beim Beenden fragt Lernwerk, ob die aktuelle Liste gespeichert werden soll. Wenn Sie zustimmen, "
                  "wird sie beim nächsten Start automatisch wieder geladen, und Sie lernen dort weiter, wo Sie "
                  "aufgehört haben."),
        paragraph("Eigene Listen schreiben Sie entweder von Hand – Frage und Antwort in einer Zeile, die Antwort "
                  "zwischen Unterstrichen – oder mit dem eingebauten Editor, den Sie im Menü „Programm“ finden: "
                  "Er macht aus Sätzen der Form „Frage\u00A0- Antwort“, etwa aus Vokabeln mit ihrer Übersetzung, "
                  "fertige Fragezeilen. Sie können die neue Liste speichern oder gleich mit dem Lernen beginnen."),
        paragraph("Weitere Fragen richten Sie bitte über das Kontaktformular auf unserer Internetseite an uns. Dort "
                  "erscheinen auch unsere neuen Programme und die neuesten Versionen von Lernwerk."),
        paragraph("Lernwerk darf frei weitergegeben und veröffentlicht werden, etwa auf Heft-CDs oder in "
                  "Download-Verzeichnissen, solange es unverändert bleibt. Nennen Sie bei einer Veröffentlichung "
                  "bitte Jorin Malke Studio als Hersteller und die Adresse jorin\u2011malke.de."),
        paragraph("Vielen Dank, dass Sie Lernwerk benutzen. Wir wünschen Ihnen viel Freude beim Lernen und viel "
                  "Erfolg bei Ihrer Prüfung!"),
        signOff("Ihr Jorin Malke Studio"),
        link(sites::kGerman, "/lernwerk-hilfe"),
        heading("Ihre Anliegen"),
        paragraph(kConcernsDe),
        link(sites::kGerman, "/support"),
    };
}

std::vector<InfoItem> introductionEn()
{
    return {
        title("Welcome to Drillbook by Jorin Malke Studio!"),
        paragraph("Drillbook helps you learn, for school, university, work or your driving test: it asks you the "
                  "questions of a given list in random order, so that you remember the subject and not the order "
                  "of the answers. A question you cannot answer yet is simply put back; it comes again later. A "
                  "question you have answered correctly is left out when the list is repeated, so that you can "
                  "concentrate on what you do not know yet. At the end of a round Drillbook shows you statistics "
                  "of your learning success; all rounds since the program started are listed on the page "
                  "\"Statistics\"."),
        paragraph("You start a round from the menu \"File\" with \"New Question Session\". The list being asked "
                  "is kept on the page \"Questionnaire\", where \"Load List..\" opens other lists. Question lists "
                  "are plain text files that you can write with any text editor: each line holds one question, "
                  "and the words you are asked for stand between underscores, for example: The capital of France "
                  "is _Paris_. When you are asked, you only see gaps in their place."),
        paragraph("A new round on the current list also starts with the button \"New Session..\" on the page "
                  "\"Questionnaire\". The question then appears in the upper field of the page \"Drillbook\". The "
                  "middle field is for your own notes: write down your answer before you look. The lower field "
                  "shows the solution when you click \"Solve\". With the three buttons beside it you decide what "
                  "happens next: \"Correct\" takes the question out of the round, after \"Wrong\" and \"Clock\" "
                  "it comes again later. The round ends when you have answered every question correctly once."),
        paragraph("When you close Drillbook, it asks whether to remember the current list. If you agree, the list "
                  "is loaded again at the next start and you go on where you stopped."),
        paragraph("You can write your own lists by hand – question and answer on one line, the answer between "
                  "underscores – or with the built-in editor in the menu \"File\", which turns sentences of the "
                  "form \"Question\u00A0- Answer\", such as words with their translation, into ready question "
                  "lines. You can save the new list or start learning with it right away."),
        paragraph("Please send any further questions through the contact form on our web site, where our new "
                  "programs and the latest versions of Drillbook appear as well."),
        paragraph("Drillbook may be passed on and published freely, on magazine discs or in download directories "
                  "for example, as long as it stays unchanged. When you publish it, please name Jorin Malke "
                  "Studio as its maker and give the address jorin\u2011malke.com."),
        paragraph("Thank you for using Drillbook. We hope you enjoy learning with it and wish you every success in "
                  "your examination!"),
        signOff("Yours, Jorin Malke Studio"),
        link(sites::kEnglish, "/drillbook-help"),
        heading("Your Concerns"),
        paragraph(kConcernsEn),
        link(sites::kEnglish, "/support"),
    };
}

// ---- recommendations

std::vector<InfoItem> recommendationsDe()
{
    return {
        title("Empfehlungen"),
        paragraph("Jorin Malke Studio bietet Ihnen mehr als Lernwerk: weitere Programme, Webdesign und Software "
                  "nach Maß. Aktuelle Neuigkeiten und den Kontakt zu uns finden Sie auf der persönlichen Seite "
                  "von Jorin Malke."),
        heading("Webdesign"),
        paragraph("Sie brauchen einen neuen Internetauftritt oder möchten Ihre Seite auffrischen? Wir gestalten "
                  "Webseiten, die gut aussehen, schnell laden und auf jedem Gerät gut lesbar sind."),
        paragraph("Von der ersten Skizze bis zur Pflege nach dem Start erhalten Sie alles aus einer Hand."),
        link(sites::kPersonalGerman, "/webdesign"),
        heading("Individuelle Software"),
        paragraph("Keine fertige Software passt zu Ihrer Aufgabe? Wir entwickeln Programme, die genau auf Ihre "
                  "Bedürfnisse zugeschnitten sind."),
        link(sites::kGerman, "/individuell"),
        heading("Mehr Service für Sie"),
        paragraph("Eine Übersicht über alle unsere Leistungen finden Sie auf der persönlichen Seite von "
                  "Jorin Malke:"),
        link(sites::kPersonalGerman),
    };
}

std::vector<InfoItem> recommendationsEn()
{
    return {
        title("Regards"),
        paragraph("Jorin Malke Studio offers you more than Drillbook: other programs, web design and software "
                  "made to measure. Current news and how to contact us are on Jorin Malke's personal site."),
        heading("Webdesign"),
        paragraph("Do you need a new web site or would you like to refresh your present one? We design web sites "
                  "that look good, load fast and read well on every device."),
        paragraph("From the first sketch to the care after the launch, you get everything from one source."),
        link(sites::kPersonalEnglish, "/webdesign"),
        heading("Individual Software"),
        paragraph("No ready-made software fits your task? We develop programs that are tailored exactly to your "
                  "needs."),
        link(sites::kEnglish, "/individual"),
        heading("More Service for You"),
        paragraph("An overview of all our services is waiting for you on Jorin Malke's personal site:"),
        link(sites::kPersonalEnglish),
    };
}

// ---- licence

std::vector<InfoItem> licenceDe()
{
    return {
        title("Lizenz"),
        paragraph("Lernwerk ist kostenlos: Sie dürfen das Programm herunterladen, benutzen und weitergeben, solange "
                  "es vollständig und unverändert bleibt."),
        paragraph("Sie zahlen nur, wenn Lernwerk Ihnen geholfen hat: mit einer Spende Ihrer Wahl."),
        paragraph("Die vollständige, verbindliche Lizenz steht auf unserer Lizenzseite. Die Benutzung erfolgt auf "
                  "eigene Gefahr."),
        signOff("© Jorin Malke Studio. Alle Rechte vorbehalten."),
        link(sites::kGerman, "/lizenz"),
        link(sites::kGerman, "/spenden"),
        heading("Ihre Anliegen"),
        paragraph(kConcernsDe),
        link(sites::kGerman, "/support"),
    };
}

std::vector<InfoItem> licenceEn()
{
    return {
        title("Licence"),
        paragraph("Drillbook is free: you may download, use and pass on the program as long as it stays complete "
                  "and unchanged."),
        paragraph("You only pay if Drillbook has helped you: with a donation of your choice."),
        paragraph("The complete, binding licence is on our licence page. You use the program at your own risk."),
        signOff("© Jorin Malke Studio. All rights reserved."),
        link(sites::kEnglish, "/licence"),
        link(sites::kEnglish, "/donate"),
        heading("Your Concerns"),
        paragraph(kConcernsEn),
        link(sites::kEnglish, "/support"),
    };
}

}  // namespace

const InfoTexts& introductionTexts()
{
    static const InfoTexts texts{introductionDe(), introductionEn()};
    return texts;
}

const InfoTexts& recommendationsTexts()
{
    static const InfoTexts texts{recommendationsDe(), recommendationsEn()};
    return texts;
}

const InfoTexts& licenceTexts()
{
    static const InfoTexts texts{licenceDe(), licenceEn()};
    return texts;
}

}  // namespace lernwerk
