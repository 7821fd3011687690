#pragma once

#include <QColor>
#include <QColorDialog>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace lernwerk {

// The font dialog of the settings menu: face, style and size, the effects
// underline and strike-out, and the colour of the text. It keeps the last
// confirmed choice and offers it at its next opening.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontDialog(QWidget* parent);

    // Shows the dialog on the last confirmed choice; true when the user confirms.
    bool choose();

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

    QFontDialog* fonts_;
    QComboBox* colors_;
    QFont chosenFont_;
    QColor chosenColor_;
};

// The colour dialog of the settings menu. It keeps the last confirmed colour
// and offers it at its next opening; a cancelled choice is forgotten.
class ColorDialog : public QColorDialog {
    Q_OBJECT
public:
    ColorDialog(const QColor& initial, QWidget* parent);

    // Shows the dialog on the last confirmed colour; true when the user confirms.
    bool choose();
    QColor chosenColor() const { return chosenColor_; }

private:
    QColor chosenColor_;
};

}  // namespace lernwerk
