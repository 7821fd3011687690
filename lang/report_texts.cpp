#include "lang/report_texts.h"

#include "widgets/sites.h"

namespace lernwerk {

namespace {

ReportTexts germanTexts()
{
    const QString site = QString::fromStdString(sites::kGerman);
    return {
        QStringLiteral("Fehler oder Verbesserung melden"),
        QStringLiteral("Sehr geehrter Anwender,"),
        QStringLiteral("wir sind stets darum bemüht, Ihnen die bestmögliche Software anzubieten. Deswegen werden "
                       "unsere Anwendungen regelmäßig verbessert und erweitert. Sollte Ihnen dennoch ein Fehler in "
                       "der Software aufgefallen sein oder Sie eine Verbesserung oder Erweiterung vorschlagen "
                       "möchten, können Sie dies jederzeit auf der folgenden Internetseite tun:"),
        site + QStringLiteral("/support"),
        QStringLiteral("Wenn Sie es wünschen, geben Sie auch Ihre E-Mail Adresse an (dies ist selbstverständlich "
                       "freiwillig). Dann antworten wir Ihnen und Sie können schnellstmöglich von der Änderung oder "
                       "der Verbesserung der Software profitieren."),
        QStringLiteral("Unter Umständen eignet sich zur Lösung einer Ihrer individuellen Aufgaben eine "
                       "maßgeschneiderte und auf Ihre Bedürfnisse abgestimmte Softwarelösung am besten. Diese muss "
                       "nicht teuer sein, kann Ihnen aber eine Menge Arbeit und Zeit ersparen. Eine derartige Lösung "
                       "kann sowohl in einer individuellen Anpassung einer bestehenden Software liegen als auch im "
                       "Programmieren einer komplett neuen Anwendung. Weiterführende Informationen und "
                       "Anwendungsbeispiele finden Sie auf der folgenden Internetseite: "),
        site + QStringLiteral("/individuell"),
    };
}

ReportTexts englishTexts()
{
    const QString site = QString::fromStdString(sites::kEnglish);
    return {
        QStringLiteral("Report Bug or Improvement"),
        QStringLiteral("Dear User,"),
        QStringLiteral("we are constantly striving to offer you the best software possible. Therefore, our "
                       "applications are frequently updated and expanded. If you have noticed an error in the "
                       "software or want to suggest any improvements or extensions, you can always do that on the "
                       "following website:"),
        site + QStringLiteral("/support"),
        QStringLiteral("If you wish, you also enter your e-mail address (of course, this is voluntary). Then we "
                       "will answer you and you can quickly benefit from the modification or improvement of the "
                       "software."),
        QStringLiteral("Under certain circumstances, a custom-made software solution is most suitable for your "
                       "individual needs and can solve your individual tasks in the best manner. This need not be "
                       "expensive, but you can save a lot of work and time. Such a solution can be both an "
                       "individual adaptation of an existing software as well as the programming of a new "
                       "application. For further information and some examples, visit the following website:"),
        site + QStringLiteral("/individual"),
    };
}

}  // namespace

const ReportTexts& reportTexts(Language language)
{
    static const ReportTexts german = germanTexts();
    static const ReportTexts english = englishTexts();
    return language == Language::German ? german : english;
}

}  // namespace lernwerk
