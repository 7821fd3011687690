#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>

#include "dialogs/list_file_dialog.h"
#include "lang/interface_language.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lernwerk {

class ErrorReporter;
class Speaker;

// The question-list editor `editor`: pairs "part 1 - part 2" in the input
// become question lines in the output, which can be saved or handed over to
// the lists page.
class EditorPage : public QWidget {
    Q_OBJECT
public:
    // What "Liste Erstellen" made is also told to a screen reader through `speaker`.
    EditorPage(ErrorReporter& errors, Speaker& speaker, QWidget* parent = nullptr);

    // "Liste Erstellen": appends the question lines built from the input, and
    // shows and says how many it made and how many lines it left out.
    void buildList();
    void clearInput();
    void loadInput();
    void clearOutput();
    void saveOutput();
    // Why "Save" may not write to a file (the loaded list, a file the program keeps); empty when it may.
    void setRefusal(std::function<QString(const QString& target)> refusal) { refusal_ = std::move(refusal); }
    // "Editor Schließen"
    void closeEditor();
    // "Lernwerk..": hands the output over as the question list.
    void handOverList();

    // Places the groups, fields and buttons for a page of this size.
    void layoutFor(int width, int height);

    void retranslate(Language language);

signals:
    void closeRequested();
    // The output's lines, each as it stands, and the name the list gets.
    void listHandedOver(const QStringList& lines, const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* addButton(QWidget* parent, const char* name, void (EditorPage::*handler)());

    ErrorReporter& errors_;
    Speaker& speaker_;
    Language language_ = Language::English;
    QLabel* heading_;
    QLabel* explanation_;
    // What the last "Liste Erstellen" made.
    QLabel* buildResult_;
    QGroupBox* inputGroup_;
    QGroupBox* outputGroup_;
    QPlainTextEdit* input_;
    QPlainTextEdit* output_;
    QPushButton* loadInput_;
    QPushButton* clearInput_;
    QPushButton* saveOutput_;
    QPushButton* clearOutput_;
    QPushButton* handOver_;
    QGroupBox* options_;
    QCheckBox* askFirstPart_;
    QCheckBox* askSecondPart_;
    QPushButton* buildList_;
    QPushButton* close_;
    ListFileDialog inputFileDialog_;
    ListFileDialog outputFileDialog_;
    std::function<QString(const QString&)> refusal_;
};

}  // namespace lernwerk
