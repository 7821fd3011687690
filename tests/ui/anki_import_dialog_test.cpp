#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/import_dialog.h"
#include "program_fixture.h"

namespace lernwerk::testing {
namespace {

// An Anki package through the one load path: its decks listed with their
// cards and all checked, what it leaves out said, the unchecked decks left out.
class AnkiImportDialogTest : public ProgramTest {
protected:
    static void whenPreviewOpens(std::function<void(QWidget*)> answer) { whenModalNamed("importDialog", answer); }
};

TEST_F(AnkiImportDialogTest, ListsTheDecksAndImportsTheCheckedOnes)
{
    startProgram();
    mainWindow().show();
    const QString source = workingDir.filePath(QStringLiteral("Geteilt.apkg"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ANKI_TEST_DATA "/latest.apkg"), source));
    const QString target = workingDir.filePath(QStringLiteral("Geteilt.txt"));

    struct Seen {
        QStringList decks;
        int lines;
        QString counts;
        bool importable;
    };
    std::vector<Seen> seen;
    bool separatorOffered = true;
    QString decksName;
    whenPreviewOpens([&](QWidget* dialog) {
        auto* decks = dialog->findChild<QListWidget*>(QStringLiteral("importDecks"));
        ASSERT_NE(decks, nullptr);
        decksName = decks->accessibleName();
        separatorOffered = dialog->findChild<QComboBox*>(QStringLiteral("importSeparator"))->isEnabled();
        const auto look = [&] {
            QStringList shown;
            for (int i = 0; i < decks->count(); ++i)
                shown << (decks->item(i)->checkState() == Qt::Checked ? QStringLiteral("[x] ")
                                                                      : QStringLiteral("[ ] ")) +
                             decks->item(i)->text();
            seen.push_back({shown,
                            static_cast<int>(dialog->findChild<QPlainTextEdit*>(QStringLiteral("importPreview"))
                                                 ->toPlainText()
                                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                                 .size()),
                            dialog->findChild<QLabel*>(QStringLiteral("importCounts"))->text(),
                            dialog->findChild<QPushButton*>(QStringLiteral("importAccept"))->isEnabled()});
        };
        look();
        decks->item(1)->setCheckState(Qt::Unchecked);  // Deutsch, not the deck below it
        look();
        decks->item(0)->setCheckState(Qt::Unchecked);
        decks->item(2)->setCheckState(Qt::Unchecked);
        look();
        decks->item(2)->setCheckState(Qt::Checked);
        look();
        answerFileDialog(target);
        dialog->findChild<QPushButton*>(QStringLiteral("importAccept"))->click();
    });
    mainWindow().openListFile(source);
    QCoreApplication::processEvents();

    const QString io = QStringLiteral("Image Occlusion notes left out (they hide parts of a picture): 1");
    const QString media = QStringLiteral("Notes that refer to pictures or sounds, which are not imported: %1");
    const Seen expected[] = {
        {{"[x] Default (3 cards)", "[x] Deutsch (5 cards)", "[x] Deutsch::Farben (7 cards)"},
         11,
         "Lines of the new list: 11\nCloze hints left out: 1\nSkipped because a side is only a picture or a sound: "
         "1\n" +
             io + "\n" + media.arg(3),
         true},
        {{"[x] Default (3 cards)", "[ ] Deutsch (5 cards)", "[x] Deutsch::Farben (7 cards)"},
         7,
         "Lines of the new list: 7\nCloze hints left out: 1\n" + io + "\n" + media.arg(1),
         true},
        {{"[ ] Default (3 cards)", "[ ] Deutsch (5 cards)", "[ ] Deutsch::Farben (7 cards)"},
         0,
         "This file gives no line.",
         false},
        {{"[ ] Default (3 cards)", "[ ] Deutsch (5 cards)", "[x] Deutsch::Farben (7 cards)"},
         6,
         "Lines of the new list: 6\nCloze hints left out: 1",
         true},
    };
    ASSERT_EQ(seen.size(), std::size(expected));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(seen[i].decks, expected[i].decks);
        EXPECT_EQ(seen[i].lines, expected[i].lines);
        EXPECT_EQ(seen[i].counts, expected[i].counts);
        EXPECT_EQ(seen[i].importable, expected[i].importable);
    }
    EXPECT_FALSE(separatorOffered);
    EXPECT_EQ(decksName, QStringLiteral("Decks (those checked are imported)"));
    EXPECT_EQ(readFile(target), QByteArray("rot - _red_\r\nred - _rot_\r\nblau - _blue_\r\nblue - _blau_\r\ngr\xFCn - "
                                           "_green_\r\nDie Sonne ist _gelb_, der Himmel _blau_."));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();

    // Another file's preview shows no decks.
    const QString csv = workingDir.filePath(QStringLiteral("Zahlen.csv"));
    writeFile(csv, "eins;one\r\n");
    bool decksShown = true;
    whenPreviewOpens([&](QWidget* dialog) {
        decksShown = dialog->findChild<QListWidget*>(QStringLiteral("importDecks"))->isVisible();
        dialog->findChild<QPushButton*>(QStringLiteral("importCancel"))->click();
    });
    mainWindow().openListFile(csv);
    QCoreApplication::processEvents();
    EXPECT_FALSE(decksShown);
}

TEST_F(AnkiImportDialogTest, ABrokenPackageIsNamedWithItsReason)
{
    startProgram();
    mainWindow().show();
    const QString source = workingDir.filePath(QStringLiteral("Kaputt.colpkg"));
    writeFile(source, "PK\x03\x04 and then nothing of a zip");
    mainWindow().openListFile(source);
    QCoreApplication::processEvents();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(
        errors.front().startsWith(QStringLiteral("Cannot import \"%1\": the Anki package is broken").arg(source)))
        << errors.front().toStdString();
    EXPECT_EQ(readFile(source), QByteArray("PK\x03\x04 and then nothing of a zip"));
}

}  // namespace
}  // namespace lernwerk::testing
