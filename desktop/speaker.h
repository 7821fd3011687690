#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace lernwerk {

// Tells a screen reader what a step of the program has just shown: the new
// question, the solution, the result line, a list that was loaded. The pages
// decide what a step says and hand it over here in one piece; this is the one
// place that knows how it reaches the screen reader.
//
// The text goes to the control that has the keyboard focus, because that is
// the only object a screen reader listens to. While no window of the program
// has the focus (a dialog has just closed and the main window is still being
// activated), the text waits until a control of the program gets the focus
// back, and is said after that control was presented.
class Speaker : public QObject {
    Q_OBJECT
public:
    explicit Speaker(QObject* parent = nullptr);

    // Has `text` spoken once. A text that is still waiting is replaced.
    void say(const QString& text);

    // While a window is being activated, a screen reader still presents the
    // one that went: what is said meanwhile waits until `release`.
    void hold();
    void release();

signals:
    // Every text as it is handed to the screen reader, with the control it
    // went to.
    void spoken(const QString& text, QWidget* control);

private:
    void focusChanged(QWidget* now);
    void deliver(QWidget* control, const QString& text);

    QString waiting_;
    bool held_ = false;
};

}  // namespace lernwerk
