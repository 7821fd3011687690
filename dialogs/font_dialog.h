#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include "lang/interface_language.h"

class QComboBox;
class QLabel;
class QFontDialog;

namespace lernwerk {

// The font dialog of the settings menu: face, style and size, the effects
// underline and strike-out, and the colour of the text. It keeps the last
// confirmed choice and offers it at its next opening.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(QWidget* parent);

    // Shows the dialog on the last confirmed choice, in `language`; true when
    // the user confirms.
    bool choose(Language language);

    QFont chosenFont() const { return chosenFont_; }
    QColor chosenColor() const { return chosenColor_; }
    void setChoice(const QFont& font, const QColor& color);

    // What the dialog shows at the moment.
    QFont currentFont() const;
    QColor currentColor() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void display(const QFont& font, const QColor& color);
    void retranslate(Language language);
    void nameControls();

    QFontDialog* fonts_;
    QComboBox* colors_;
    QLabel* colorLabel_;
    QFont chosenFont_;
    QColor chosenColor_;
};

}  // namespace lernwerk
