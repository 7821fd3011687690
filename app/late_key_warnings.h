#pragma once

namespace lernwerk {

// Qt 6.4's accessibility bridge hands every key to the screen reader before
// the program sees it, and warns ("QSpiApplication::keyEventError") each time
// the screen reader is slow to answer; under load that is nearly every key.
// From the call on, the first such warning is shown with a note, the rest are
// left out; every other message goes where it went before.
void showLateKeyWarningOnce();

}  // namespace lernwerk
