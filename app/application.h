#pragma once

#include <QApplication>

namespace lernwerk {

// The program's application object. A failure that escapes an event handler
// is caught here and shown in the error box instead of ending the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace lernwerk
