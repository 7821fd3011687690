#pragma once

#include <QObject>
#include <QString>

#include "quiz/language.h"

class QLabel;

namespace lernwerk {

using quiz::Language;

// The interface language of the running program. It starts from the marker
// files of the working directory and changes through the Settings menu; every
// page and dialog follows its `changed` signal with `retranslate`. The start
// screen's hidden caption `spr` is its visible form ("de" or "en").
class InterfaceLanguage : public QObject {
    Q_OBJECT
public:
    explicit InterfaceLanguage(QObject* parent = nullptr);

    Language current() const { return current_; }

    // Sets the language and announces it, also when it does not change: the
    // language switch always rewrites the texts.
    void set(Language language);

    // Reads the marker files "de" and "en" in `folder`: German when "de"
    // exists, otherwise English. Announces nothing.
    void readMarkers(const QString& folder);

    // Shows the flag in `caption` from now on.
    void showIn(QLabel* caption);

    // The flag as the caption shows it.
    static QString flagText(Language language);

signals:
    void changed(Language language);

private:
    void showFlag();

    Language current_ = Language::English;
    QLabel* caption_ = nullptr;
};

// One text of the interface in every language.
using Text = quiz::PerLanguage<QString>;

}  // namespace lernwerk
