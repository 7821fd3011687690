#pragma once

#include <QColor>
#include <QColorDialog>

namespace lernwerk {

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
