#include "dialogs/color_dialog.h"

namespace lernwerk {

ColorDialog::ColorDialog(const QColor& initial, QWidget* parent) : QColorDialog(initial, parent), chosenColor_(initial)
{
    setObjectName(QStringLiteral("cd"));
    setOption(QColorDialog::DontUseNativeDialog);
}

bool ColorDialog::choose()
{
    // Named anew at each opening, in the toolkit's translation of the
    // interface language that the language switch installs.
    setWindowTitle(QColorDialog::tr("Select Color"));
    setCurrentColor(chosenColor_);
    if (exec() != QDialog::Accepted)
        return false;
    chosenColor_ = selectedColor();
    return true;
}

}  // namespace lernwerk
