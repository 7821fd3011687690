#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>

#include "desktop/speaker.h"
#include "dialogs/import_dialog.h"
#include "program_fixture.h"

namespace lernwerk::testing {
namespace {

class ImportDialogTest : public ProgramTest {
protected:
    // Answers the import's preview once it has opened.
    static void whenPreviewOpens(std::function<void(QWidget*)> answer) { whenModalNamed("importDialog", answer); }
    template <typename Control>
    static Control* in(QWidget* dialog, const char* name)
    {
        auto* found = dialog->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

TEST_F(ImportDialogTest, PreviewFollowsTheChoicesAndImportLoadsTheNewList)
{
    startProgram();
    mainWindow().show();
    const QString source = workingDir.filePath(QStringLiteral("Vokabeln.csv"));
    const QByteArray bytes(
        "Spanisch;Deutsch\r\nlunes;Es un d\xED"
        "a de la semana.\r\nmartes;Es un d\xED"
        "a de la semana.\r\n"
        "perro;Hund\r\ngato;\r\n");
    writeFile(source, bytes);
    const QString target = workingDir.filePath(QStringLiteral("Vokabeln.txt"));

    struct Seen {
        QString encoding, separator, preview, counts;
        bool importable;
    };
    std::vector<Seen> seen;
    QStringList spoken;
    QObject::connect(mainWindow().findChild<Speaker*>(), &Speaker::spoken,
                     [&](const QString& text, QWidget*) { spoken << text; });
    whenPreviewOpens([&](QWidget* dialog) {
        auto* encoding = in<QComboBox>(dialog, "importEncoding");
        auto* separator = in<QComboBox>(dialog, "importSeparator");
        const auto look = [&] {
            seen.push_back({encoding->currentText(), separator->currentText(),
                            in<QPlainTextEdit>(dialog, "importPreview")->toPlainText(),
                            in<QLabel>(dialog, "importCounts")->text(),
                            in<QPushButton>(dialog, "importAccept")->isEnabled()});
            // What changed is said.
            QCoreApplication::processEvents();
        };
        QCoreApplication::processEvents();
        look();
        in<QComboBox>(dialog, "importAsk")->setCurrentIndex(0);  // the first side
        look();
        separator->setCurrentIndex(separator->findData(QChar(u',')));
        look();
        separator->setCurrentIndex(separator->findData(QChar(u';')));
        look();
        answerFileDialog(target);
        in<QPushButton>(dialog, "importAccept")->click();
    });
    mainWindow().openListFile(source);
    QCoreApplication::processEvents();

    const QString day = QStringLiteral("Es un d\u00EDa de la semana.");
    const QString notSplit = QStringLiteral(
                                 "Cannot import \"%1\": no line holds two fields between tabs, semicolons, "
                                 "commas or pipes.")
                                 .arg(source);
    const QString asked = day + QStringLiteral(" - _lunes_\n") + day + QStringLiteral(" - _martes_\nHund - _perro_");
    const QString askedCounts = QStringLiteral(
                                    "Lines of the new list: 3\n"
                                    "The first row names the columns and is not imported: Spanisch;Deutsch\n"
                                    "Skipped because a side is empty: 1\n"
                                    "2 questions look the same: ") +
                                day + QStringLiteral(" - _____");
    const Seen expected[] = {
        {QStringLiteral("Windows-1252"), QStringLiteral("Semicolon ;"),
         QStringLiteral("lunes - _") + day + QStringLiteral("_\nmartes - _") + day +
             QStringLiteral("_\nperro - _Hund_"),
         QStringLiteral("Lines of the new list: 3\n"
                        "The first row names the columns and is not imported: Spanisch;Deutsch\n"
                        "Skipped because a side is empty: 1"),
         true},
        {QStringLiteral("Windows-1252"), QStringLiteral("Semicolon ;"), asked, askedCounts, true},
        {QStringLiteral("Windows-1252"), QStringLiteral("Comma ,"), QString(), notSplit, false},
        {QStringLiteral("Windows-1252"), QStringLiteral("Semicolon ;"), asked, askedCounts, true},
    };
    ASSERT_EQ(seen.size(), std::size(expected));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].encoding, expected[i].encoding);
        EXPECT_EQ(seen[i].separator, expected[i].separator);
        EXPECT_EQ(seen[i].preview, expected[i].preview);
        EXPECT_EQ(seen[i].counts, expected[i].counts);
        EXPECT_EQ(seen[i].importable, expected[i].importable);
    }
    EXPECT_TRUE(
        spoken.contains(QStringLiteral("Lines of the new list: 3. The first row names the columns and is not "
                                       "imported: Spanisch;Deutsch. Skipped because a side is empty: 1")))
        << spoken.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(spoken.contains(notSplit)) << "a change is said at once";
    EXPECT_EQ(readFile(target), QByteArray("Es un d\xED"
                                           "a de la semana. - _lunes_\r\nEs un d\xED"
                                           "a de la semana. - "
                                           "_martes_\r\nHund - _perro_"));
    EXPECT_EQ(readFile(source), bytes);
    EXPECT_EQ(text("Memo1"), asked);
    EXPECT_EQ(find<QLabel>("aktuelleliste")->text(), target);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();

    // The next file starts afresh: its first two columns, the second asked.
    const QString next = workingDir.filePath(QStringLiteral("Zahlen.tsv"));
    writeFile(next, "eins\tone\tuno\r\n");
    QString nextChoices;
    whenPreviewOpens([&](QWidget* dialog) {
        nextChoices = in<QComboBox>(dialog, "importFirstColumn")->currentText() + QLatin1Char('|') +
                      in<QComboBox>(dialog, "importSecondColumn")->currentText() + QLatin1Char('|') +
                      in<QComboBox>(dialog, "importAsk")->currentText() + QLatin1Char('|') +
                      in<QPlainTextEdit>(dialog, "importPreview")->toPlainText();
        in<QPushButton>(dialog, "importCancel")->click();
    });
    mainWindow().openListFile(next);
    QCoreApplication::processEvents();
    EXPECT_EQ(nextChoices, QStringLiteral("Column 1|Column 2|the second side|eins - _one_"));
    EXPECT_EQ(text("Memo1"), asked) << "a cancelled import changes nothing";
}

// Save Missed As never replaces the loaded list; neither does the import, also
// when the file dialog's own question to replace it was answered Yes.
TEST_F(ImportDialogTest, NeverSavesOverTheLoadedList)
{
    startProgram();
    mainWindow().show();
    const QString loaded = workingDir.filePath(QStringLiteral("Geladen.txt"));
    writeFile(loaded, "Hund - _dog_\r\n");
    mainWindow().openListFile(loaded);
    QCoreApplication::processEvents();
    ASSERT_EQ(find<QLabel>("aktuelleliste")->text(), loaded);
    const QString source = workingDir.filePath(QStringLiteral("Neu.csv"));
    writeFile(source, "Katze;cat\r\n");

    auto* replace = new QTimer;
    QObject::connect(replace, &QTimer::timeout, [replace] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            replace->stop();
            replace->deleteLater();
            box->button(QMessageBox::Yes)->click();
        }
    });
    whenPreviewOpens([&](QWidget* dialog) {
        answerFileDialog(loaded);
        replace->start(0);
        in<QPushButton>(dialog, "importAccept")->click();
        in<QPushButton>(dialog, "importCancel")->click();
    });
    mainWindow().openListFile(source);
    QCoreApplication::processEvents();

    EXPECT_EQ(errors,
              QStringList(QStringLiteral("\"%1\" is the list loaded; the new list is not saved there.").arg(loaded)));
    EXPECT_EQ(readFile(loaded), QByteArray("Hund - _dog_\r\n"));
    EXPECT_EQ(find<QLabel>("aktuelleliste")->text(), loaded);
}

// The first row taken for the columns' names is named, and kept when the box
// is cleared; a file that gives no line cannot be imported.
TEST_F(ImportDialogTest, NamesTheFirstRowAndImportsNothingEmpty)
{
    startProgram();
    mainWindow().show();
    const QString named = workingDir.filePath(QStringLiteral("Sprachen.csv"));
    writeFile(named, "Sprache;language\r\nHund;dog\r\n");
    const QString underscores = workingDir.filePath(QStringLiteral("Striche.csv"));
    writeFile(underscores, "a_b;x\r\nc_d;y\r\n");
    QStringList seen;
    const auto look = [&](QWidget* dialog) {
        seen << in<QPlainTextEdit>(dialog, "importPreview")->toPlainText() + QLatin1Char('|') +
                    in<QLabel>(dialog, "importCounts")->text() + QLatin1Char('|') +
                    (in<QPushButton>(dialog, "importAccept")->isEnabled() ? QStringLiteral("importable")
                                                                          : QStringLiteral("not importable"));
    };
    QString boxName;
    whenPreviewOpens([&](QWidget* dialog) {
        look(dialog);
        auto* box = in<QCheckBox>(dialog, "importHeaderRow");
        boxName = box->accessibleName();
        box->setChecked(false);
        look(dialog);
        in<QPushButton>(dialog, "importCancel")->click();
    });
    mainWindow().openListFile(named);
    QCoreApplication::processEvents();
    whenPreviewOpens([&](QWidget* dialog) {
        look(dialog);
        in<QPushButton>(dialog, "importCancel")->click();
    });
    mainWindow().openListFile(underscores);
    QCoreApplication::processEvents();

    EXPECT_EQ(boxName, QStringLiteral("First row names the columns"));
    EXPECT_EQ(seen, (QStringList{
                        QStringLiteral("Hund - _dog_|Lines of the new list: 1\nThe first row names the columns and is "
                                       "not imported: Sprache;language|importable"),
                        QStringLiteral("Sprache - _language_\nHund - _dog_|Lines of the new list: 2|importable"),
                        QStringLiteral("|This file gives no line.\nSkipped because a field holds an underscore, which "
                                       "a list cannot write: 2|not importable"),
                    }));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace lernwerk::testing
