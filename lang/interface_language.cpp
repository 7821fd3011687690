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
    current_ = markerFileExists(folder, flagText(Language::German)) ? Language::German : Language::English;
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

void InterfaceLanguage::showFlag()
{
    if (caption_)
        caption_->setText(flagText(current_));
}

}  // namespace lernwerk
