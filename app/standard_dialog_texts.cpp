#include "app/standard_dialog_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace lernwerk {

StandardDialogTexts::StandardDialogTexts(InterfaceLanguage& language)
{
    // Without the translations installed the dialogs simply stay English.
    for (const Language each : quiz::kLanguages)
        if (const auto translation = standardDialogTranslation(each))
            (void)translations_[quiz::languageIndex(each)].load(QLocale(*translation), QStringLiteral("qtbase"),
                                                                QStringLiteral("_"),
                                                                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    follow(language.current());
    connect(&language, &InterfaceLanguage::changed, this, &StandardDialogTexts::follow);
}

StandardDialogTexts::~StandardDialogTexts()
{
    if (installed_)
        QCoreApplication::removeTranslator(installed_);
}

void StandardDialogTexts::follow(Language language)
{
    QTranslator& translation = translations_[quiz::languageIndex(language)];
    QTranslator* wanted = translation.isEmpty() ? nullptr : &translation;
    if (wanted == installed_)
        return;
    // Both send a LanguageChange event to every widget: the dialogs already
    // made retranslate their own texts.
    if (installed_)
        QCoreApplication::removeTranslator(installed_);
    installed_ = wanted;
    if (wanted)
        QCoreApplication::installTranslator(wanted);
}

}  // namespace lernwerk
