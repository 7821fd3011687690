#pragma once

#include <QObject>
#include <QTranslator>

#include <array>
#include <iterator>

#include "lang/interface_language.h"

namespace lernwerk {

// The standard dialogs' own texts (file, font and colour dialogs, message
// boxes: "Cancel", "Look in:") follow the interface language, through Qt's
// own translations: each language loads the one `standardDialogTranslation`
// names for it (German: qtbase_de), English needs none.
class StandardDialogTexts : public QObject {
    Q_OBJECT
public:
    explicit StandardDialogTexts(InterfaceLanguage& language);
    ~StandardDialogTexts() override;

private:
    void follow(Language language);

    // One per language, in the order of quiz::kLanguages; empty where the
    // language needs no translation or it is not installed.
    std::array<QTranslator, std::size(quiz::kLanguages)> translations_;
    QTranslator* installed_ = nullptr;
};

}  // namespace lernwerk
