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
class Tstart : public QWidget {
    Q_OBJECT
public:
    // Reads the language marker files in `workingFolder` (the working directory).
    Tstart(InterfaceLanguage& language, ErrorReporter& errors, const QString& workingFolder);

    // The flag as the hidden caption shows it: "de" or "en".
    QString language() const;

    // How the start screen hands over: shows and raises the main window.
    void setHandOver(std::function<void()> showMainWindow);

    int ticks() const { return ticks_; }

    // Starts the timer once the event loop runs: the waiting is counted from
    // there, never while the other windows are still being created.
    void startWaiting();

    void FormCreate(const QString& workingFolder);
    void startsprache();
    void Timer1Timer();
    void Image1Click();

signals:
    // The start screen was closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    InterfaceLanguage& language_;
    ErrorReporter& errors_;
    ClickLabel* Image1;
    ClickLabel* Image2;
    QLabel* spr;
    QTimer* Timer1;
    int ticks_ = 0;
    std::function<void()> showMainWindow_;
};

}  // namespace lernwerk
