#include "lang/report_texts.h"

#include "desktop/sites.h"

namespace lernwerk {

const ReportTexts& reportTexts()
{
    static const ReportTexts texts{
        .caption = {QStringLiteral("Fehler oder Verbesserung melden"), QStringLiteral("Report Bug or Improvement")},
        .greeting = {QStringLiteral("Sehr geehrter Anwender,"), QStringLiteral("Dear User,")},
        .supportIntro =
            {QStringLiteral(
                 "wir sind stets darum bemüht, Ihnen die bestmögliche Software anzubieten. Deswegen werden "
                 "unsere Anwendungen regelmäßig verbessert und erweitert. Sollte Ihnen dennoch ein Fehler in "
                 "der Software aufgefallen sein oder Sie eine Verbesserung oder Erweiterung vorschlagen "
                 "möchten, können Sie dies jederzeit auf der folgenden Internetseite tun:"),
             QStringLiteral("we are constantly striving to offer you the best software possible. Therefore, our "
                            "applications are frequently updated and expanded. If you have noticed an error in the "
                            "software or want to suggest any improvements or extensions, you can always do that on the "
                            "following website:")},
        .supportLink = {QString::fromStdString(sites::kGerman) + QStringLiteral("/support"),
                        QString::fromStdString(sites::kEnglish) + QStringLiteral("/support")},
        .emailNote = {QStringLiteral(
                          "Wenn Sie es wünschen, geben Sie auch Ihre E-Mail Adresse an (dies ist selbstverständlich "
                          "freiwillig). Dann antworten wir Ihnen und Sie können schnellstmöglich von der Änderung oder "
                          "der Verbesserung der Software profitieren."),
                      QStringLiteral(
                          "If you wish, you also enter your e-mail address (of course, this is voluntary). Then we "
                          "will answer you and you can quickly benefit from the modification or improvement of the "
                          "software.")},
        .customIntro =
            {QStringLiteral(
                 "Unter Umständen eignet sich zur Lösung einer Ihrer individuellen Aufgaben eine "
                 "maßgeschneiderte und auf Ihre Bedürfnisse abgestimmte Softwarelösung am besten. Diese muss "
                 "nicht teuer sein, kann Ihnen aber eine Menge Arbeit und Zeit ersparen. Eine derartige Lösung "
                 "kann sowohl in einer individuellen Anpassung einer bestehenden Software liegen als auch im "
                 "Programmieren einer komplett neuen Anwendung. Weiterführende Informationen und "
                 "Anwendungsbeispiele finden Sie auf der folgenden Internetseite: "),
             QStringLiteral("Under certain circumstances, a custom-made software solution is most suitable for your "
                            "individual needs and can solve your individual tasks in the best manner. This need not be "
                            "expensive, but you can save a lot of work and time. Such a solution can be both an "
                            "individual adaptation of an existing software as well as the programming of a new "
                            "application. For further information and some examples, visit the following website:")},
        .customLink = {QString::fromStdString(sites::kGerman) + QStringLiteral("/individuell"),
                       QString::fromStdString(sites::kEnglish) + QStringLiteral("/individual")},
    };
    return texts;
}

}  // namespace lernwerk
