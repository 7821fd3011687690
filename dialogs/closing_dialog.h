#pragma once

#include <QDialog>

#include <functional>
#include <string>

#include "lang/interface_language.h"

class QLabel;
class QRadioButton;

namespace lernwerk {

class ErrorReporter;

// The closing dialog: asks whether the question list is to be remembered for
// the next start, saves it if so, and ends the program.
class ClosingDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog belongs to `mainWindow`. `lastListFolder` gives the folder
    // of the last-list files (with a trailing separator), `questionListText`
    // the question list to remember.
    ClosingDialog(QWidget* mainWindow, InterfaceLanguage& language, ErrorReporter& errors,
                  std::function<QString()> lastListFolder, std::function<std::u16string()> questionListText);

    // Sets the texts for the language; runs just before the dialog shows.
    void retranslate(Language language);
    // Shows the dialog in the interface language and waits for its answer:
    // true once OK was pressed and the choice carried out.
    bool ask();
    // The last confirmation saved the question list.
    bool listSaved() const { return listSaved_; }

    // OK: saves the list when that was chosen, and ends the program.
    void confirm();

    // OK is the only way out: Escape, the system's close command and any
    // other rejection leave the dialog open with the choice as it is.
    void reject() override;
    void setVisible(bool visible) override;

    // The file the list is remembered in, for the given language.
    static QString lastListFile(const QString& programFolder, Language language);

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // OK was pressed and the choice carried out: the program ends.
    void confirmed();

private:
    InterfaceLanguage& language_;
    ErrorReporter& errors_;
    std::function<QString()> lastListFolder_;
    std::function<std::u16string()> questionListText_;
    QLabel* question_;
    QLabel* germanExplanation_;
    QLabel* englishExplanation_;
    QRadioButton* save_;
    bool listSaved_ = false;
    QRadioButton* dontSave_;
};

}  // namespace lernwerk
