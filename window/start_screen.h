#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace lernwerk {

class ClickLabel;
class ErrorReporter;
class InterfaceLanguage;

// The borderless start screen. It is the principal window: the program runs
// exactly as long as it has not been closed. Its hidden caption `spr` shows
// the language flag.
class StartScreen : public QWidget {
    Q_OBJECT
public:
    // Reads the language marker files in `workingFolder` (the working directory).
    StartScreen(InterfaceLanguage& language, ErrorReporter& errors, const QString& workingFolder);

    // The flag as the hidden caption shows it: "de" or "en".
    QString language() const;

    // How the start screen hands over: shows and raises the main window.
    void setHandOver(std::function<void()> showMainWindow);

    // Builds the windows behind the start screen. They are built once the
    // start screen is on screen, so that it shows as soon as the program runs;
    // at the latest, they are built when something asks for them.
    void setBuildBehind(std::function<void()> build);
    // Builds them now unless they were built; the timer is not counted meanwhile.
    void buildBehind();

    int ticks() const { return ticks_; }

    // Starts the timer once the event loop runs: the waiting is counted from
    // there, never while the other windows are still being created.
    void startWaiting();

    // One step of the timer: the main window comes with the 4th, the start
    // screen goes with the 6th, the timer stops with the 8th.
    void tick();
    // A click on the picture: hands over at once.
    void handOverNow();

signals:
    // The start screen was closed: the program ends.
    void closed();
    // The windows behind the start screen are built.
    void builtBehind();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The start screen's caption and pictures in the interface language.
    void applyLanguage();
    // Hides the start screen for good.
    void leave();

    InterfaceLanguage& language_;
    ErrorReporter& errors_;
    ClickLabel* germanPicture_;
    ClickLabel* englishPicture_;
    QLabel* languageCaption_;
    QTimer* timer_;
    int ticks_ = 0;
    std::function<void()> showMainWindow_;
    std::function<void()> buildBehind_;
    bool building_ = false;
};

}  // namespace lernwerk
