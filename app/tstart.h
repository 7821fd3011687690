#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace lernwerk {

class ClickLabel;

// The language flag's two values.
inline const QString kGerman = QStringLiteral("de");
inline const QString kEnglish = QStringLiteral("en");

// The borderless start screen. It is the principal window: the program runs
// exactly as long as it has not been closed. It also keeps the language flag.
class Tstart : public QWidget {
    Q_OBJECT
public:
    // Reads the language marker files in `workingFolder` (the working directory).
    explicit Tstart(const QString& workingFolder);

    QString language() const;
    void setLanguage(const QString& flag);

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
    ClickLabel* Image1;
    ClickLabel* Image2;
    QLabel* spr;
    QTimer* Timer1;
    int ticks_ = 0;
    std::function<void()> showMainWindow_;
};

}  // namespace lernwerk
