#include "lang/catalogue_texts.h"

#include <array>

#include "desktop/sites.h"
#include "lang/interface_language.h"

namespace lernwerk {

namespace {

// One of the maker's programs, in every language.
struct CatalogueProgram {
    Text title;
    Text path;         // on the language's site, starting with "/"
    Text summary;      // one line, for the software menu
    Text description;  // two lines at most, under the title on the catalogue page
};

const std::array<CatalogueProgram, kCatalogueSize>& programs()
{
    static const std::array<CatalogueProgram, kCatalogueSize> programs{{
        {
            .title = {QStringLiteral("Lernwerk"), QStringLiteral("Drillbook")},
            .path = {QStringLiteral("/lernwerk"), QStringLiteral("/drillbook")},
            .summary = {QStringLiteral("Quiz-Trainer für eigene Fragelisten"),
                        QStringLiteral("Quiz trainer for your own question lists")},
            .description =
                {QStringLiteral(
                     "Fragt Ihre Fragelisten in zufälliger Reihenfolge ab und zeigt am Ende einer Runde, wie gut Sie "
                     "den Stoff schon beherrschen."),
                 QStringLiteral(
                     "Asks the questions of your lists in random order and shows at the end of each round how well you "
                     "already know the subject.")},
        },
        {
            .title = {QStringLiteral("Kassenblick"), QStringLiteral("Cashglance")},
            .path = {QStringLiteral("/kassenblick"), QStringLiteral("/cashglance")},
            .summary = {QStringLiteral("Haushaltsbuch mit Monatsübersicht"),
                        QStringLiteral("Household budget book with monthly overview")},
            .description =
                {QStringLiteral(
                     "Das übersichtliche Haushaltsbuch: Einnahmen und Ausgaben erfassen, nach Kategorien ordnen und "
                     "jeden Monat auf einen Blick sehen."),
                 QStringLiteral(
                     "The clear household budget book: record income and spending, sort them into categories and see "
                     "every month at a glance.")},
        },
        {
            .title = {QStringLiteral("Bildschrumpfer"), QStringLiteral("Photo Shrink")},
            .path = {QStringLiteral("/bildschrumpfer"), QStringLiteral("/photo-shrink")},
            .summary = {QStringLiteral("Viele Fotos auf einmal verkleinern"),
                        QStringLiteral("Make many photos smaller at once")},
            .description =
                {QStringLiteral(
                     "Verkleinert ganze Ordner voller Fotos in einem Zug, etwa für E-Mails oder die eigene Webseite. "
                     "Die Originale bleiben unberührt."),
                 QStringLiteral(
                     "Resizes whole folders of photos in one go, for e-mails or your own web site. Your original "
                     "pictures stay untouched.")},
        },
        {
            .title = {QStringLiteral("Zeitfaden"), QStringLiteral("Timethread")},
            .path = {QStringLiteral("/zeitfaden"), QStringLiteral("/timethread")},
            .summary = {QStringLiteral("Arbeitszeiten erfassen und auswerten"),
                        QStringLiteral("Record and sum up working hours")},
            .description =
                {QStringLiteral("Ein Klick beim Anfangen, einer beim Aufhören: Zeitfaden notiert Ihre Arbeitszeiten je "
                                "Projekt und "
                                "summiert sie für Woche und Monat."),
                 QStringLiteral(
                     "One click when you start, one when you stop: Timethread logs your working hours per project and "
                     "adds them up by week and month.")},
        },
        {
            .title = {QStringLiteral("Platzfinder"), QStringLiteral("Space Finder")},
            .path = {QStringLiteral("/platzfinder"), QStringLiteral("/space-finder")},
            .summary = {QStringLiteral("Zeigt, was die Festplatte füllt"),
                        QStringLiteral("Shows what fills your hard disk")},
            .description =
                {QStringLiteral(
                     "Zeigt in einem Tortendiagramm, welche Ordner und Dateien den meisten Platz belegen, damit Sie "
                     "gezielt aufräumen können."),
                 QStringLiteral(
                     "Shows in a pie chart which folders and files take up the most space, so that you know where "
                     "tidying up pays off.")},
        },
        {
            .title = {QStringLiteral("Textschleifer"), QStringLiteral("Text Polisher")},
            .path = {QStringLiteral("/textschleifer"), QStringLiteral("/text-polisher")},
            .summary = {QStringLiteral("Suchen und Ersetzen in vielen Dateien"),
                        QStringLiteral("Search and replace in many files")},
            .description =
                {QStringLiteral(
                     "Sucht und ersetzt Wörter in beliebig vielen Textdateien zugleich und zeigt jede Änderung vor dem "
                     "Speichern zur Kontrolle an."),
                 QStringLiteral("Finds and replaces words in any number of text files at once and shows you every "
                                "change before it "
                                "is saved.")},
        },
        {
            .title = {QStringLiteral("Klangwecker"), QStringLiteral("Alarm Bell")},
            .path = {QStringLiteral("/klangwecker"), QStringLiteral("/alarm-bell")},
            .summary = {QStringLiteral("Wecker und Erinnerungen am Computer"),
                        QStringLiteral("Alarm clock and reminders on your computer")},
            .description =
                {QStringLiteral(
                     "Weckt und erinnert Sie mit Klängen Ihrer Wahl an Termine, Pausen und den Feierabend, einmalig "
                     "oder regelmäßig."),
                 QStringLiteral(
                     "Reminds you of appointments, breaks and the end of the working day with sounds of your choice, "
                     "once or at regular times.")},
        },
        {
            .title = {QStringLiteral("Rezeptmappe"), QStringLiteral("Recipe Folder")},
            .path = {QStringLiteral("/rezeptmappe"), QStringLiteral("/recipe-folder")},
            .summary = {QStringLiteral("Rezepte sammeln, suchen und drucken"),
                        QStringLiteral("Collect, search and print recipes")},
            .description =
                {QStringLiteral(
                     "Sammelt Ihre Lieblingsrezepte an einem Ort, findet sie nach Zutaten wieder und rechnet die "
                     "Mengen für jede Personenzahl um."),
                 QStringLiteral(
                     "Keeps your favourite recipes in one place, finds them by their ingredients and converts the "
                     "amounts for any number of people.")},
        },
        {
            .title = {QStringLiteral("Passwortwürfel"), QStringLiteral("Password Dice")},
            .path = {QStringLiteral("/passwortwuerfel"), QStringLiteral("/password-dice")},
            .summary = {QStringLiteral("Sichere Passwörter erzeugen"), QStringLiteral("Create safe passwords")},
            .description =
                {QStringLiteral(
                     "Würfelt sichere und trotzdem gut merkbare Passwörter in der Länge und mit den Zeichen, die Sie "
                     "vorgeben."),
                 QStringLiteral(
                     "Rolls safe passwords that are still easy to remember, with the length and the characters you "
                     "choose.")},
        },
        {
            .title = {QStringLiteral("Umbenenner"), QStringLiteral("Renamer")},
            .path = {QStringLiteral("/umbenenner"), QStringLiteral("/renamer")},
            .summary = {QStringLiteral("Viele Dateien nach einem Muster umbenennen"),
                        QStringLiteral("Rename many files by a pattern")},
            .description =
                {QStringLiteral(
                     "Benennt viele Dateien nach einem Muster um, mit Nummern, Datum oder Aufnahmedatum der Fotos, und "
                     "zeigt vorher das Ergebnis."),
                 QStringLiteral(
                     "Renames many files by a pattern, with numbers, dates or the day a photo was taken, and shows you "
                     "the result beforehand.")},
        },
        {
            .title = {QStringLiteral("Farbkasten"), QStringLiteral("Colour Box")},
            .path = {QStringLiteral("/farbkasten"), QStringLiteral("/colour-box")},
            .summary = {QStringLiteral("Farben vom Bildschirm aufnehmen"),
                        QStringLiteral("Pick colours from the screen")},
            .description =
                {QStringLiteral(
                     "Nimmt jede Farbe vom Bildschirm auf, zeigt ihre Werte für Web und Druck und stellt passende "
                     "Farbpaletten zusammen."),
                 QStringLiteral(
                     "Picks any colour from the screen, shows its values for the web and for print and puts together "
                     "matching colour palettes.")},
        },
        {
            .title = {QStringLiteral("Buchregal"), QStringLiteral("Bookshelf")},
            .path = {QStringLiteral("/buchregal"), QStringLiteral("/bookshelf")},
            .summary = {QStringLiteral("Verzeichnis der eigenen Bücher"),
                        QStringLiteral("Catalogue of your own books")},
            .description =
                {QStringLiteral(
                     "Das Verzeichnis Ihrer Bücher: Titel, Autor und Standort erfassen, ausgeliehene Bücher im Blick "
                     "behalten."),
                 QStringLiteral(
                     "The catalogue of your books: record title, author and shelf, and keep track of the books you "
                     "have lent out.")},
        },
        {
            .title = {QStringLiteral("Einheitenrechner"), QStringLiteral("Unit Converter")},
            .path = {QStringLiteral("/einheitenrechner"), QStringLiteral("/unit-converter")},
            .summary = {QStringLiteral("Maße und Einheiten umrechnen"), QStringLiteral("Convert measures and units")},
            .description =
                {QStringLiteral(
                     "Rechnet Längen, Gewichte, Temperaturen, Flächen und viele weitere Einheiten schnell und "
                     "zuverlässig ineinander um."),
                 QStringLiteral(
                     "Converts lengths, weights, temperatures, areas and many other units into one another, quickly "
                     "and reliably.")},
        },
        {
            .title = {QStringLiteral("Kalenderblatt"), QStringLiteral("Calendar Sheet")},
            .path = {QStringLiteral("/kalenderblatt"), QStringLiteral("/calendar-sheet")},
            .summary = {QStringLiteral("Kalender gestalten und drucken"), QStringLiteral("Design and print calendars")},
            .description =
                {QStringLiteral(
                     "Gestaltet Jahres- und Monatskalender mit Ihren eigenen Fotos, Feiertagen und Geburtstagen, "
                     "fertig zum Ausdrucken."),
                 QStringLiteral(
                     "Designs yearly and monthly calendars with your own photos, holidays and birthdays, ready to "
                     "print.")},
        },
        {
            .title = {QStringLiteral("Tastenschule"), QStringLiteral("Key School")},
            .path = {QStringLiteral("/tastenschule"), QStringLiteral("/key-school")},
            .summary = {QStringLiteral("Zehnfingerschreiben lernen"), QStringLiteral("Learn to touch-type")},
            .description =
                {QStringLiteral(
                     "Lehrt Sie das Schreiben mit zehn Fingern in kurzen Übungen und zeigt, wie Ihre Geschwindigkeit "
                     "von Tag zu Tag wächst."),
                 QStringLiteral(
                     "Teaches you to type with ten fingers in short lessons and shows how your speed grows from day "
                     "to day.")},
        },
        {
            .title = {QStringLiteral("Notizzettel"), QStringLiteral("Sticky Notes")},
            .path = {QStringLiteral("/notizzettel"), QStringLiteral("/sticky-notes")},
            .summary = {QStringLiteral("Haftnotizen für den Bildschirm"),
                        QStringLiteral("Sticky notes for your screen")},
            .description =
                {QStringLiteral(
                     "Bunte Haftnotizen für Ihren Bildschirm, die beim nächsten Start wieder an ihrem Platz sind, auf "
                     "Wunsch mit Erinnerung."),
                 QStringLiteral(
                     "Colourful sticky notes for your screen that are back in their place at the next start, with a "
                     "reminder if you like.")},
        },
    }};
    return programs;
}

const CatalogueProgram& program(int index) { return programs().at(static_cast<std::size_t>(index)); }

}  // namespace

QString catalogueAddress(int index, Language language)
{
    return QString::fromStdString(sites::kHome.in(language)) + program(index).path.in(language);
}

QString catalogueLine(int index, Language language)
{
    return catalogueAddress(index, language) + QStringLiteral(" - ") + program(index).summary.in(language);
}

QString catalogueTitle(int index, Language language) { return program(index).title.in(language); }

QString catalogueDescription(int index, Language language) { return program(index).description.in(language); }

QString catalogueIcon(int index) { return QStringLiteral(":/softwareicons/%1.png").arg(index); }

QString catalogueIconLarge(int index) { return QStringLiteral(":/softwareicons/%1_36.png").arg(index); }

}  // namespace lernwerk
