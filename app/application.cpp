#include "app/application.h"

#include <QFont>

#include "desktop/error_reporter.h"
#include "widgets/classic_faces.h"
#include "widgets/controls.h"

namespace lernwerk {

Application::Application(int& argc, char** argv, const ErrorReporter& errors)
    : QApplication(argc, argv), errors_(errors)
{
    // The start screen is the principal window: the program ends when it is
    // closed, not when the last visible window goes.
    setQuitOnLastWindowClosed(false);

    registerClassicFaces();

    // Every window, menu and dialog of the program speaks in the same face.
    // It is named as it stands here: finding the installed face reads the font
    // database, which waits until the windows behind the start screen are built.
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    setFont(tahoma);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    errors_.guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace lernwerk
