#pragma once

#include <QString>

class QFileDialog;
class QWidget;

namespace lernwerk {

// A file dialog for list files that is built the first time it is opened and kept from then on,
// so that it remembers its folder and the file chosen last. Building a file dialog with its
// file-system model and icons costs more than all the rest of the program's windows, so none is
// built before the user asks for one.
class ListFileDialog {
public:
    struct Setup {
        const char* name;       // objectName of the dialog
        QString filter;         // name filter, e.g. "Fragenlisten (*.txt)"
        bool save = false;      // a save dialog instead of an open dialog
        QString defaultSuffix;  // added to a typed name without one (save dialogs)
        QString offeredFile;    // file name offered the first time
    };

    ListFileDialog(QWidget* parent, Setup setup);

    // Opens the dialog modally; the chosen file, offered again next time, or an empty text when
    // the user cancelled.
    QString choose();

    // Before it is opened: its title and name filter (in the language of the
    // moment), the folder it shows, and the file name it offers.
    void setTexts(const QString& title, const QString& filter);
    void setFolder(const QString& folder);
    QString folder();
    void offer(const QString& fileName);

private:
    QFileDialog* build();

    QWidget* parent_;
    Setup setup_;
    QFileDialog* dialog_ = nullptr;  // a child of the parent, which deletes it
};

}  // namespace lernwerk
