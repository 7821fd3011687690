#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "lang/interface_language.h"

class QWidget;
class QWindow;

namespace lernwerk {

class ErrorReporter;
class ListsPage;
class MemoryRounds;
class ProgressRecorder;
class Speaker;
class TrainerPage;

// How the main window takes over from the start screen and what its
// activations do: the last lists are read when the window is made; at the
// hand-over the list named on the command line is loaded; and whenever the
// window becomes active, coming from the start screen or from another window
// of the program, the list named in the German last-list file is restored and
// a round starts on it. A newcomer hears how to start.
class SessionStart : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget& window;
        const InterfaceLanguage& language;
        ErrorReporter& errors;
        QString programFolder;
        ListsPage& lists;
        TrainerPage& trainer;
        MemoryRounds& rounds;
        ProgressRecorder& progress;
        Speaker& speaker;
        // Loads a list file and shows it on the lists page.
        std::function<void(const QString&)> openListFile;
    };

    explicit SessionStart(Parts parts);

    // Reads the last-list file of each language into the question list, in
    // the order of the languages: the last one read stands.
    void readLastLists();
    // The start screen hands over: the window is shown and brought to the front.
    void handOver();
    // The list named on the command line, loaded at the hand-over.
    void openAfterHandOver(const QString& fileName) { givenList_ = fileName; }
    // Says the First Steps when no round runs.
    void tellHowToStart();

private:
    void readLastList(const QString& fileName);
    void watchFocus(QWindow* now);
    void activated();

    Parts parts_;
    bool handOverPending_ = false;
    bool shownOnce_ = false;
    QPointer<QWindow> lastFocusWindow_;
    QString givenList_;
    bool givenListWins_ = false;
};

}  // namespace lernwerk
