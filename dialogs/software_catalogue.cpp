#include "dialogs/software_catalogue.h"

#include <array>

#include "widgets/sites.h"

namespace lernwerk {

namespace {

// One of the maker's programs as one language's catalogue shows it.
struct CatalogueText {
    const char* title;
    const char* path;         // on the language's site, starting with "/"
    const char* summary;      // one line, for the software menu
    const char* description;  // two lines at most, under the title on the catalogue page
};

using CatalogueProgram = quiz::PerLanguage<CatalogueText>;

const std::array<CatalogueProgram, kCatalogueSize> kPrograms{{
    {{"Lernwerk", "/lernwerk", "Quiz-Trainer für eigene Fragelisten",
      "Fragt Ihre Fragelisten in zufälliger Reihenfolge ab und zeigt am Ende einer Runde, wie gut Sie "
      "den Stoff schon beherrschen."},
     {"Drillbook", "/drillbook", "Quiz trainer for your own question lists",
      "Asks the questions of your lists in random order and shows at the end of each round how well you "
      "already know the subject."}},
    {{"Kassenblick", "/kassenblick", "Haushaltsbuch mit Monatsübersicht",
      "Das übersichtliche Haushaltsbuch: Einnahmen und Ausgaben erfassen, nach Kategorien ordnen und "
      "jeden Monat auf einen Blick sehen."},
     {"Cashglance", "/cashglance", "Household budget book with monthly overview",
      "The clear household budget book: record income and spending, sort them into categories and see "
      "every month at a glance."}},
    {{"Bildschrumpfer", "/bildschrumpfer", "Viele Fotos auf einmal verkleinern",
      "Verkleinert ganze Ordner voller Fotos in einem Zug, etwa für E-Mails oder die eigene Webseite. "
      "Die Originale bleiben unberührt."},
     {"Photo Shrink", "/photo-shrink", "Make many photos smaller at once",
      "Resizes whole folders of photos in one go, for e-mails or your own web site. Your original "
      "pictures stay untouched."}},
    {{"Zeitfaden", "/zeitfaden", "Arbeitszeiten erfassen und auswerten",
      "Ein Klick beim Anfangen, einer beim Aufhören: Zeitfaden notiert Ihre Arbeitszeiten je Projekt und "
      "summiert sie für Woche und Monat."},
     {"Timethread", "/timethread", "Record and sum up working hours",
      "One click when you start, one when you stop: Timethread logs your working hours per project and "
      "adds them up by week and month."}},
    {{"Platzfinder", "/platzfinder", "Zeigt, was die Festplatte füllt",
      "Zeigt in einem Tortendiagramm, welche Ordner und Dateien den meisten Platz belegen, damit Sie "
      "gezielt aufräumen können."},
     {"Space Finder", "/space-finder", "Shows what fills your hard disk",
      "Shows in a pie chart which folders and files take up the most space, so that you know where "
      "tidying up pays off."}},
    {{"Textschleifer", "/textschleifer", "Suchen und Ersetzen in vielen Dateien",
      "Sucht und ersetzt Wörter in beliebig vielen Textdateien zugleich und zeigt jede Änderung vor dem "
      "Speichern zur Kontrolle an."},
     {"Text Polisher", "/text-polisher", "Search and replace in many files",
      "Finds and replaces words in any number of text files at once and shows you every change before it "
      "is saved."}},
    {{"Klangwecker", "/klangwecker", "Wecker und Erinnerungen am Computer",
      "Weckt und erinnert Sie mit Klängen Ihrer Wahl an Termine, Pausen und den Feierabend, einmalig "
      "oder regelmäßig."},
     {"Alarm Bell", "/alarm-bell", "Alarm clock and reminders on your computer",
      "Reminds you of appointments, breaks and the end of the working day with sounds of your choice, "
      "once or at regular times."}},
    {{"Rezeptmappe", "/rezeptmappe", "Rezepte sammeln, suchen und drucken",
      "Sammelt Ihre Lieblingsrezepte an einem Ort, findet sie nach Zutaten wieder und rechnet die "
      "Mengen für jede Personenzahl um."},
     {"Recipe Folder", "/recipe-folder", "Collect, search and print recipes",
      "Keeps your favourite recipes in one place, finds them by their ingredients and converts the "
      "amounts for any number of people."}},
    {{"Passwortwürfel", "/passwortwuerfel", "Sichere Passwörter erzeugen",
      "Würfelt sichere und trotzdem gut merkbare Passwörter in der Länge und mit den Zeichen, die Sie "
      "vorgeben."},
     {"Password Dice", "/password-dice", "Create safe passwords",
      "Rolls safe passwords that are still easy to remember, with the length and the characters you "
      "choose."}},
    {{"Umbenenner", "/umbenenner", "Viele Dateien nach einem Muster umbenennen",
      "Benennt viele Dateien nach einem Muster um, mit Nummern, Datum oder Aufnahmedatum der Fotos, und "
      "zeigt vorher das Ergebnis."},
     {"Renamer", "/renamer", "Rename many files by a pattern",
      "Renames many files by a pattern, with numbers, dates or the day a photo was taken, and shows you "
      "the result beforehand."}},
    {{"Farbkasten", "/farbkasten", "Farben vom Bildschirm aufnehmen",
      "Nimmt jede Farbe vom Bildschirm auf, zeigt ihre Werte für Web und Druck und stellt passende "
      "Farbpaletten zusammen."},
     {"Colour Box", "/colour-box", "Pick colours from the screen",
      "Picks any colour from the screen, shows its values for the web and for print and puts together "
      "matching colour palettes."}},
    {{"Buchregal", "/buchregal", "Verzeichnis der eigenen Bücher",
      "Das Verzeichnis Ihrer Bücher: Titel, Autor und Standort erfassen, ausgeliehene Bücher im Blick "
      "behalten."},
     {"Bookshelf", "/bookshelf", "Catalogue of your own books",
      "The catalogue of your books: record title, author and shelf, and keep track of the books you "
      "have lent out."}},
    {{"Einheitenrechner", "/einheitenrechner", "Maße und Einheiten umrechnen",
      "Rechnet Längen, Gewichte, Temperaturen, Flächen und viele weitere Einheiten schnell und "
      "zuverlässig ineinander um."},
     {"Unit Converter", "/unit-converter", "Convert measures and units",
      "Converts lengths, weights, temperatures, areas and many other units into one another, quickly "
      "and reliably."}},
    {{"Kalenderblatt", "/kalenderblatt", "Kalender gestalten und drucken",
      "Gestaltet Jahres- und Monatskalender mit Ihren eigenen Fotos, Feiertagen und Geburtstagen, "
      "fertig zum Ausdrucken."},
     {"Calendar Sheet", "/calendar-sheet", "Design and print calendars",
      "Designs yearly and monthly calendars with your own photos, holidays and birthdays, ready to "
      "print."}},
    {{"Tastenschule", "/tastenschule", "Zehnfingerschreiben lernen",
      "Lehrt Sie das Schreiben mit zehn Fingern in kurzen Übungen und zeigt, wie Ihre Geschwindigkeit "
      "von Tag zu Tag wächst."},
     {"Key School", "/key-school", "Learn to touch-type",
      "Teaches you to type with ten fingers in short lessons and shows how your speed grows from day "
      "to day."}},
    {{"Notizzettel", "/notizzettel", "Haftnotizen für den Bildschirm",
      "Bunte Haftnotizen für Ihren Bildschirm, die beim nächsten Start wieder an ihrem Platz sind, auf "
      "Wunsch mit Erinnerung."},
     {"Sticky Notes", "/sticky-notes", "Sticky notes for your screen",
      "Colourful sticky notes for your screen that are back in their place at the next start, with a "
      "reminder if you like."}},
}};

const CatalogueText& text(int index, Language language)
{
    return kPrograms.at(static_cast<std::size_t>(index)).in(language);
}

}  // namespace

QString catalogueAddress(int index, Language language)
{
    return QString::fromStdString(sites::kHome.in(language)) + QString::fromLatin1(text(index, language).path);
}

QString catalogueLine(int index, Language language)
{
    return catalogueAddress(index, language) + QStringLiteral(" - ") + QString::fromUtf8(text(index, language).summary);
}

QString catalogueTitle(int index, Language language) { return QString::fromUtf8(text(index, language).title); }

QString catalogueDescription(int index, Language language)
{
    return QString::fromUtf8(text(index, language).description);
}

QString catalogueIcon(int index) { return QStringLiteral(":/softwareicons/%1.png").arg(index); }

QString catalogueIconLarge(int index) { return QStringLiteral(":/softwareicons/%1_36.png").arg(index); }

}  // namespace lernwerk
