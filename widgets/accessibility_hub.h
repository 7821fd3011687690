#pragma once

namespace lernwerk {

// The program's one link into Qt's accessibility: the interfaces it builds
// for its own controls and the steps every accessibility event passes on its
// way to the screen reader. The source file lists both, in the order they
// act, and says what each one makes up for.
//
// Installs them once for the program's run; later calls do nothing. Each
// control that needs them runs this before the first of its kind is made.
void installAccessibilityHub();

}  // namespace lernwerk
