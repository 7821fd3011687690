#pragma once

#include <QFont>
#include <QString>

namespace lernwerk {

// The windows ask for the classic Windows faces "Tahoma", "MS Sans Serif" and
// "Courier New". Where they are not installed, their metric twins from the
// Liberation family come closest in width and height, then DejaVu.

// Lets every font that names a classic face (a chosen or a stored one) find
// its stand-in.
void registerClassicFaces();

// A font of `face` at `pixels`: the classic face where it is installed, else
// its first installed stand-in. Asking for it by that name skips the search
// for a face that is not installed, in which fontconfig sorts every installed
// face by likeness; the face drawn is the same.
QFont classicFont(const QString& face, int pixels);

}  // namespace lernwerk
