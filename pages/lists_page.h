#pragma once

#include <QKeySequence>
#include <QStringList>
#include <QWidget>

#include <functional>

#include "dialogs/list_file_dialog.h"
#include "lang/interface_language.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lernwerk {

class ErrorReporter;
class ImportDialog;
class Speaker;
class StatusColumn;

// The lists page `tb3`: the question list `Memo1` with its status column
// `Memo2`, the current list's name, and the loading of list files.
class ListsPage : public QWidget {
    Q_OBJECT
public:
    // A loaded list is confirmed to a screen reader through `speaker`.
    ListsPage(ErrorReporter& errors, Speaker& speaker, QWidget* parent = nullptr);

    // Loads a list from anywhere in `window`, as "Liste Laden.." does.
    static inline const QKeySequence kLoadListKey{Qt::CTRL | Qt::Key_O};
    void takeLoadKeyIn(QWidget& window);

    QPlainTextEdit* questionField() const { return questions_; }
    StatusColumn* statusField() const { return statusColumn_; }

    QString listName() const;
    void setListName(const QString& name);

    // "Liste Laden..": asks for a list file and loads it.
    void loadList();
    // Loads a list file as "Liste Laden.." does once the file is chosen: the
    // question list, the list's name and the hidden path. A file that cannot
    // be read throws and changes nothing.
    void loadFile(const QString& fileName);
    // "Liste importieren..": asks for another trainer's file and imports it.
    void importList();
    // Shows the import's preview of `fileName`; once the user has saved the
    // new list, loads it as "Liste Laden.." does. A file that cannot be
    // imported throws and changes nothing.
    void importFile(const QString& fileName);
    // Before another list replaces the loaded one: `mayReplace` asks whether it
    // may (false keeps the loaded list and its round), `replacing` ends what runs over it.
    void setListReplacing(std::function<bool()> mayReplace, std::function<void()> replacing)
    {
        mayReplace_ = std::move(mayReplace);
        replacing_ = std::move(replacing);
    }
    // The folder of the files the program keeps, which no import writes over.
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    // The loaded list's file, which no import writes over.
    void setLoadedList(std::function<QString()> loadedList) { loadedList_ = std::move(loadedList); }
    // The keyboard focus goes to "Neue Runde..", where a round is started again.
    void focusNewSession();
    // Replaces the question list by `lines`, each as it stands, and names it.
    void takeList(const QStringList& lines, const QString& name);
    // Reads the last-list file into the hidden field; when its first line
    // names an existing file, loads that list. True when a list was loaded.
    bool restoreNamedList(const QString& lastListFile);

    // The captions, the sample list's name and the sample list itself, which
    // replaces the question list as one step that Undo takes back.
    void retranslate(Language language);

    // The line under the list: when the next reviews fall due.
    void showNextReview(const QString& text);
    // What a line's tooltip says of it: its memory. Asked when the mouse
    // points at a line and when the caret moves onto another line, where the
    // field's accessible description follows it for a screen reader.
    void setLineHistory(std::function<QString(const QString& line)> history);
    // The history of the caret's line is asked anew: it may have changed.
    void refreshLineHistory();

signals:
    // "Neue Runde.." was pressed.
    void newSessionRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void caretMoved();
    bool mayReplaceList() const { return !mayReplace_ || mayReplace_(); }
    // Shows `fileName`'s lines as the loaded list, once asked whether it may.
    void showList(const QString& fileName, bool asked);

    ErrorReporter& errors_;
    Speaker& speaker_;
    Language language_ = Language::English;
    QLabel* heading_;
    QLabel* listNameLabel_;
    QLabel* listName_;
    StatusColumn* statusColumn_;
    QPlainTextEdit* questions_;
    QPlainTextEdit* listPath_;
    QPushButton* loadList_;
    QPushButton* newSession_;
    QLabel* nextReview_;
    std::function<QString(const QString&)> lineHistory_;
    std::function<bool()> mayReplace_;
    std::function<void()> replacing_;
    // The line the caret was on when its history was last shown.
    int historyLine_ = -1;
    ListFileDialog listFileDialog_;
    ListFileDialog importFileDialog_;
    // Built when first used.
    ImportDialog* importDialog_ = nullptr;
    QString programFolder_;
    std::function<QString()> loadedList_;
};

}  // namespace lernwerk
