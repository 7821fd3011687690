#pragma once

#include <QColor>
#include <QColorDialog>

#include "lang/interface_language.h"

namespace lernwerk {

class Speaker;

// The colour dialog of the settings menu. It keeps the last confirmed colour
// and offers it at its next opening; a cancelled choice is forgotten.
class ColorDialog : public QColorDialog {
    Q_OBJECT
public:
    ColorDialog(const QColor& initial, QWidget* parent);

    // Shows the dialog on the last confirmed colour; true when the user
    // confirms. The colours are named in `language` as they are walked.
    bool choose(Language language);
    QColor chosenColor() const { return chosenColor_; }

private slots:
    void basicReached(int row, int column);
    void customReached(int row, int column);

private:
    void watchWells();
    void sayColour(const QColor& colour);

    QColor chosenColor_;
    Language language_ = Language::English;
    Speaker* speaker_;
    bool wellsWatched_ = false;
};

}  // namespace lernwerk
