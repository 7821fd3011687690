#include "lang/interface_language.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace lernwerk {

namespace {

bool markerFileExists(const QString& folder, const QString& name)
{
    return QFileInfo(QDir(folder).filePath(name)).isFile();
}

// Which marker wins when several exist: the higher the stronger.
const quiz::PerLanguage<int> kMarkerStrength{2, 1};

}  // namespace

InterfaceLanguage::InterfaceLanguage(QObject* parent) : QObject(parent) {}

void InterfaceLanguage::set(Language language)
{
    current_ = language;
    showFlag();
    emit changed(current_);
}

void InterfaceLanguage::readMarkers(const QString& folder)
{
    std::optional<Language> strongest;
    for (const Language each : quiz::kLanguages)
        if (markerFileExists(folder, flagText(each)) &&
            (!strongest || kMarkerStrength.in(each) > kMarkerStrength.in(*strongest)))
            strongest = each;
    current_ = strongest.value_or(kStartLanguage);
    showFlag();
}

void InterfaceLanguage::showIn(QLabel* caption)
{
    caption_ = caption;
    showFlag();
}

QString InterfaceLanguage::flagText(Language language)
{
    return Text{QStringLiteral("de"), QStringLiteral("en")}.in(language);
}

std::optional<QLocale::Language> standardDialogTranslation(Language language)
{
    return quiz::PerLanguage<std::optional<QLocale::Language>>{QLocale::German, std::nullopt}.in(language);
}

void InterfaceLanguage::showFlag()
{
    if (caption_)
        caption_->setText(flagText(current_));
}

}  // namespace lernwerk
