#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace lernwerk {

// Keys always go somewhere: when a dialog or another window of the program
// closes (a file, font or colour dialog, a message box, a report window), the
// main window becomes the active window again and the keyboard focus returns
// to the control that had it, or to the dialog still open beneath. Qt leaves
// this to the window manager, and neither a window manager nor a bare X
// server reliably gives the focus back to the window the dialog came from.
// A screen reader is told of the return, which Qt 6.4 does not always do.
class FocusReturn : public QObject {
    Q_OBJECT
public:
    // Watches every window of the program on behalf of `mainWindow`.
    explicit FocusReturn(QWidget& mainWindow);

signals:
    // A dialog has closed and the focus is on its way back; until `returned`,
    // a screen reader still presents the dialog.
    void returnStarted();
    // The window is active again and a screen reader knows it.
    void returned();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void returnFocus();
    void finishReturn(QWidget* window);

    QWidget& mainWindow_;
    // The window being activated; a screen reader hears of it once it has the focus.
    QPointer<QWidget> returning_;
};

}  // namespace lernwerk
