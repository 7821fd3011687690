#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

#include "import/conversion.h"
#include "import/source.h"
#include "lang/interface_language.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace lernwerk {

class ErrorReporter;
class Speaker;

// The import's preview `importDialog`: what was found in another trainer's
// file (format, encoding, separator), the two sides and which to ask, an Anki
// package's decks to choose from, the first lines as they will be written and
// the counts. "Import" asks where the
// new list goes and writes it; nothing is written before.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // The lines the preview shows.
    static constexpr int kPreviewLines = 50;

    // `programFolder` holds the files the program keeps, which no import writes over.
    ImportDialog(ErrorReporter& errors, Speaker& speaker, QString programFolder, QWidget* parent = nullptr);

    // Reads `sourceFile` and shows what it gives. Throws std::runtime_error
    // with the reason, in the interface language, when it cannot be imported.
    void prepare(const QString& sourceFile, Language language);

    // The loaded list, which no import writes over (nor the source, nor the files the program keeps).
    void setLoadedList(std::function<QString()> loadedList) { loadedList_ = std::move(loadedList); }

    // The list written by the last accepted import.
    QString savedFile() const { return savedFile_; }
    // The counts as shown, one a line.
    QString countsText() const;

    void retranslate(Language language);

protected:
    // Once shown, the counts are said, after the dialog itself.
    void showEvent(QShowEvent* event) override;

private:
    QString spokenCounts() const;
    void build();
    // Reads the source again with the encoding, separator and header row chosen.
    void reread();
    // Converts with the sides and the asking chosen, and shows the result.
    void reconvert();
    void fillChoices();
    // An Anki package's decks, all checked; hidden for other sources.
    void fillDecks();
    // The source made of the checked decks, converted anew.
    void chooseDecks();
    void showFailure(const QString& message);
    // Asks for the new list's name and writes it; the dialog closes once it is written.
    void importList();
    QString offeredFile() const;

    ErrorReporter& errors_;
    Speaker& speaker_;
    QString programFolder_;
    std::function<QString()> loadedList_;
    Language language_ = Language::English;
    QString sourceFile_;
    std::string bytes_;
    listimport::Source source_;
    // An Anki package as read, all its decks; source_ holds the chosen ones.
    listimport::Source package_;
    listimport::Conversion result_;
    QString savedFile_;
    // Whether the controls are being filled rather than changed by the user.
    bool filling_ = false;

    QLabel* sourceLabel_;
    QLabel* formatLabel_;
    QLabel* format_;
    QLabel* encodingLabel_;
    QComboBox* encoding_;
    QLabel* separatorLabel_;
    QComboBox* separator_;
    QCheckBox* headerRow_;
    QLabel* firstLabel_;
    QComboBox* first_;
    QLabel* secondLabel_;
    QComboBox* second_;
    QLabel* askLabel_;
    QComboBox* ask_;
    QLabel* previewLabel_;
    QLabel* decksLabel_;
    QListWidget* decks_;
    QPlainTextEdit* preview_;
    QLabel* countsLabel_;
    QLabel* counts_;
    QPushButton* import_;
    QPushButton* cancel_;
};

}  // namespace lernwerk
