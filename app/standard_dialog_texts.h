#pragma once

#include <QObject>
#include <QTranslator>

#include "lang/interface_language.h"

namespace lernwerk {

// The standard dialogs' own texts (file, font and colour dialogs, message
// boxes: "Cancel", "Look in:") follow the interface language, through Qt's
// own translations. English needs none; German loads qtbase_de.
class StandardDialogTexts : public QObject {
    Q_OBJECT
public:
    explicit StandardDialogTexts(InterfaceLanguage& language);
    ~StandardDialogTexts() override;

private:
    void follow(Language language);

    QTranslator german_;
    bool installed_ = false;
};

}  // namespace lernwerk
