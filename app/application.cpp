#include "app/application.h"

#include <QFont>

#include "desktop/error_reporter.h"
#include "widgets/controls.h"

namespace lernwerk {

Application::Application(int& argc, char** argv, const ErrorReporter& errors)
    : QApplication(argc, argv), errors_(errors)
{
    // The start screen is the principal window: the program ends when it is
    // closed, not when the last visible window goes.
    setQuitOnLastWindowClosed(false);

    // The windows ask for the classic Windows faces; on Linux their metric
    // twins from the Liberation family come closest in width and height.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});

    // Every window, menu and dialog of the program speaks in the same face.
    setFont(programFont());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    errors_.guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace lernwerk
