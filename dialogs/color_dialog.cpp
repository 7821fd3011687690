#include "dialogs/color_dialog.h"

#include "desktop/speaker.h"
#include "lang/speech_texts.h"

namespace lernwerk {

namespace {

// The toolkit's grids of colour wells: the basic colours, six rows of eight,
// and the custom ones, two rows of eight, each counted down its columns.
constexpr int kBasicRows = 6;
constexpr int kCustomRows = 2;

}  // namespace

ColorDialog::ColorDialog(const QColor& initial, QWidget* parent)
    : QColorDialog(initial, parent), chosenColor_(initial), speaker_(new Speaker(this))
{
    setObjectName(QStringLiteral("cd"));
    setOption(QColorDialog::DontUseNativeDialog);
}

// The wells draw their colours and tell a screen reader nothing of them: the
// colour the arrow keys reach is said. They are a private class of the
// toolkit, connected by the name of their signal; the toolkit makes them
// once the dialog is its own rather than the platform's.
void ColorDialog::watchWells()
{
    if (wellsWatched_)
        return;
    int grid = 0;
    for (QWidget* wells : findChildren<QWidget*>()) {
        if (qstrcmp(wells->metaObject()->className(), "QWellArray") != 0)
            continue;
        wellsWatched_ = true;
        const bool basic = grid++ == 0;
        QObject::connect(wells, SIGNAL(currentChanged(int, int)), this,
                         basic ? SLOT(basicReached(int, int)) : SLOT(customReached(int, int)));
    }
}

void ColorDialog::basicReached(int row, int column) { sayColour(standardColor(row + column * kBasicRows)); }

void ColorDialog::customReached(int row, int column) { sayColour(customColor(row + column * kCustomRows)); }

void ColorDialog::sayColour(const QColor& colour) { speaker_->say(colourName(colour, language_)); }

bool ColorDialog::choose(Language language)
{
    language_ = language;
    watchWells();
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
