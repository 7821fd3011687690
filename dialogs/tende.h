#pragma once

#include <QDialog>

class QLabel;
class QRadioButton;

namespace lernwerk {

class Tprog;
class Tstart;

// The closing dialog: asks whether the question list is to be remembered for
// the next start, saves it if so, and ends the program.
class Tende : public QDialog {
    Q_OBJECT
public:
    Tende(Tstart& start, Tprog& prog);

    // Sets the texts for the language flag; run just before the dialog shows.
    void applyLanguage(const QString& flag);

    void Button1Click();

    // OK is the only way out: Escape, the system's close command and any
    // other rejection leave the dialog open with the choice as it is.
    void reject() override;

    // The file the list is remembered in, for the given language flag.
    static QString lastListFile(const QString& programFolder, const QString& flag);

private:
    Tstart& start_;
    Tprog& prog_;
    QLabel* Label18;
    QLabel* StaticText1;
    QLabel* StaticText2;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
};

}  // namespace lernwerk
