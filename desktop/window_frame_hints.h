#pragma once

class QWidget;

namespace lernwerk {

// Asks the window manager to give the window a title bar and a border and
// nothing else: no close, minimise or maximise button, no window menu, no
// resizing; it can still be moved. Qt's window flags cannot ask for a window
// without a close function (without one they ask for every function), so the
// hint is set on the X11 window itself. Call it when the window is shown,
// before it is mapped (from its showEvent). Elsewhere than on X11 it does
// nothing.
void askForTitleBarOnly(QWidget* window);

}  // namespace lernwerk
