#include "app/standard_dialog_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace lernwerk {

StandardDialogTexts::StandardDialogTexts(InterfaceLanguage& language)
{
    // Without the translations installed the dialogs simply stay English.
    (void)german_.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    follow(language.current());
    connect(&language, &InterfaceLanguage::changed, this, &StandardDialogTexts::follow);
}

StandardDialogTexts::~StandardDialogTexts()
{
    if (installed_)
        QCoreApplication::removeTranslator(&german_);
}

void StandardDialogTexts::follow(Language language)
{
    // The toolkit speaks English by itself; German needs its translation.
    const bool wanted = quiz::PerLanguage<bool>{!german_.isEmpty(), false}.in(language);
    if (wanted == installed_)
        return;
    installed_ = wanted;
    // Both send a LanguageChange event to every widget: the dialogs already
    // made retranslate their own texts.
    if (wanted)
        QCoreApplication::installTranslator(&german_);
    else
        QCoreApplication::removeTranslator(&german_);
}

}  // namespace lernwerk
