#pragma once

#include <QApplication>

namespace lernwerk {

// The program's application object. A failure that escapes an event handler
// is caught here and shown in the error box instead of ending the program.
class ErrorReporter;

class Application : public QApplication {
public:
    // Failures that escape a handler go to `errors`.
    Application(int& argc, char** argv, const ErrorReporter& errors);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    const ErrorReporter& errors_;
};

}  // namespace lernwerk
