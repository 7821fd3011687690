#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace lernwerk {

// The application title captions every error box; the start screen sets it.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// Where failures go: by default a critical message box captioned with the
// application title. Tests put a recorder in its place; an empty function
// restores the message box.
using ErrorSink = std::function<void(const QString& caption, const QString& message)>;
void setErrorSink(ErrorSink sink);

// Shows a failure to the user through the one error box of the program.
void showError(const QString& message);

// Runs a user command; a failure it throws ends the command and is shown in
// the error box. Every handler connected to a control runs through here.
template <typename Handler>
void guarded(Handler&& handler)
{
    try {
        handler();
    } catch (const std::exception& failure) {
        showError(QString::fromUtf8(failure.what()));
    }
}

}  // namespace lernwerk
