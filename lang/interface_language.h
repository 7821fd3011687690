#pragma once

#include <QLocale>
#include <QObject>
#include <QString>

#include <optional>

#include "quiz/language.h"

class QLabel;

namespace lernwerk {

using quiz::Language;

// The language of the interface when it is made, and the one it starts in
// when no marker file names another.
inline constexpr Language kStartLanguage = Language::English;

// The interface language of the running program. It starts from the marker
// files of the working directory and changes through the Settings menu; on its
// `changed` signal the main window has every page, the menus and the rounds
// `retranslate`, and the standard dialogs take Qt's translation. The start
// screen's hidden caption `spr` is its visible form ("de" or "en").
class InterfaceLanguage : public QObject {
    Q_OBJECT
public:
    explicit InterfaceLanguage(QObject* parent = nullptr);

    Language current() const { return current_; }

    // Sets the language and announces it, also when it does not change: the
    // language switch always rewrites the texts.
    void set(Language language);

    // Reads the marker files in `folder`, each named by its language's flag
    // ("de", "en"): the language of the strongest marker there ("de" wins),
    // `kStartLanguage` when there is none. Announces nothing.
    void readMarkers(const QString& folder);

    // Shows the flag in `caption` from now on.
    void showIn(QLabel* caption);

    // The flag as the caption shows it, and the name of the language's
    // marker file.
    static QString flagText(Language language);

signals:
    void changed(Language language);

private:
    void showFlag();

    Language current_ = kStartLanguage;
    QLabel* caption_ = nullptr;
};

// One text of the interface in every language.
using Text = quiz::PerLanguage<QString>;

// The language of Qt's own translation that the standard dialogs need in
// `language`, or none where Qt speaks it by itself.
std::optional<QLocale::Language> standardDialogTranslation(Language language);

}  // namespace lernwerk
