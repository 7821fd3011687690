#include "program_fixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTabWidget>
#include <QTextBlock>
#include <QUrl>

namespace lernwerk::testing {
namespace {

const QByteArray kSignature("\xEF\xBB\xBF");

class OpenFromOutsideTest : public ProgramTest {
protected:
    QString listName() { return find<QLabel>("aktuelleliste")->text(); }
    QString currentPage() { return find<QTabWidget>("blatt")->currentWidget()->objectName(); }

    // A drag that enters `target` and is dropped there, through the
    // application's event delivery as the window system's drag would come.
    // True when some widget took the drop.
    static bool drop(QWidget* target, QMimeData& data)
    {
        const QPoint at = target->rect().center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), offered, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(OpenFromOutsideTest, DroppedFilesLoadLikeLoadList)
{
    startProgram();
    mainWindow().show();
    const QString first = workingDir.filePath(QStringLiteral("erste.txt"));
    const QString second = workingDir.filePath(QStringLiteral("zweite.txt"));
    writeFile(first, kSignature + "Hund - _dog_\r\nKatze - _cat_");
    writeFile(second, "zweite _Liste_");
    const QString missing = workingDir.filePath(QStringLiteral("fehlt.txt"));
    const QString kOtherHost = QStringLiteral("file://otherhost/srv/x.txt");

    const struct {
        const char* name;
        const char* target;  // the widget the drop lands on
        QList<QUrl> urls;
        QString text;  // dragged text, when no file
        bool taken;
        QString list;      // the question list afterwards
        QString listName;  // empty: the sample's name stays
        const char* page;
    } cases[] = {
        {"a file on the question list",
         "Memo1",
         {QUrl::fromLocalFile(second)},
         {},
         true,
         QStringLiteral("zweite _Liste_"),
         second,
         "tb3"},
        {"several files on the trainer page: the first",
         "Label10",
         {QUrl(QStringLiteral("https://example.org/x.txt")), QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)},
         {},
         true,
         QStringLiteral("Hund - _dog_\nKatze - _cat_"),
         first,
         "tb3"},
        {"a file with its name as text on the answer field, in a round",
         "antwort",
         {QUrl::fromLocalFile(second)},
         second,
         true,
         QStringLiteral("zweite _Liste_"),
         second,
         "tb3"},
        {"a text into the question list", "Memo1", {}, QStringLiteral("neue _Zeile_"), true, {}, {}, "tb3"},
        {"a web address only", "Label6", {QUrl(QStringLiteral("https://example.org/x.txt"))}, {}, false, {}, {}, "tb1"},
        {"a missing file", "Memo1", {QUrl::fromLocalFile(missing)}, {}, true, {}, {}, "tb3"},
        {"a folder, then a file: the file",
         "Memo1",
         {QUrl::fromLocalFile(workingDir.path()), QUrl::fromLocalFile(second)},
         {},
         true,
         QStringLiteral("zweite _Liste_"),
         second,
         "tb3"},
        {"a file on another computer", "Memo1", {QUrl(kOtherHost)}, {}, true, {}, {}, "tb3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case starts on the sample list, on the trainer page.
        trigger("sp2");
        errors.clear();
        const QString sample = text("Memo1");
        QMimeData data;
        if (!c.urls.isEmpty())
            data.setUrls(c.urls);
        if (!c.text.isEmpty())
            data.setText(c.text);
        QWidget* target = find<QWidget>(c.target);
        if (auto* field = qobject_cast<QPlainTextEdit*>(target)) {
            click("Button1");  // a round, so that the trainer's fields take drops
            trigger("f3");
            target = field->viewport();
        }
        EXPECT_EQ(drop(target, data), c.taken);
        QCoreApplication::processEvents();  // the file is opened once the drop is over

        if (c.list.isEmpty() && !c.text.isEmpty()) {
            EXPECT_TRUE(text("Memo1").contains(c.text));  // inserted as before
        } else {
            EXPECT_EQ(text("Memo1"), c.list.isEmpty() ? sample : c.list);
        }
        EXPECT_EQ(listName(), c.listName.isEmpty() ? QStringLiteral("Examples (\"Load List\" for other Questionnaires)")
                                                   : c.listName);
        if (!c.listName.isEmpty()) {
            EXPECT_EQ(memo("Memo5")->document()->firstBlock().text(), c.listName);
        }
        EXPECT_EQ(currentPage(), QString::fromLatin1(c.page));
        if (QUrl::fromLocalFile(missing) == c.urls.value(0)) {
            ASSERT_EQ(errors.size(), 1);
            EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
        } else if (QUrl(kOtherHost) == c.urls.value(0)) {
            EXPECT_EQ(errors,
                      QStringList(QStringLiteral("The file \"file://otherhost/srv/x.txt\" is on another computer "
                                                 "and cannot be loaded from here. Copy it to this computer "
                                                 "first.")));
        } else {
            EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        }
    }
}

TEST_F(OpenFromOutsideTest, AListNamedAtStartWinsOverTheRestoredOne)
{
    const QString named = workingDir.filePath(QStringLiteral("benannt.txt"));
    const QString given = workingDir.filePath(QStringLiteral("gegeben.txt"));
    writeFile(named, "benannt _1_");
    writeFile(given, "gegeben _2_\r\n");
    writeFile(programDir.filePath(QStringLiteral("LetzteFrageliste.txt")), kSignature + named.toUtf8());
    const QString missing = workingDir.filePath(QStringLiteral("fehlt.txt"));

    for (const QString& file : {given, missing}) {
        SCOPED_TRACE(file.toStdString());
        errors.clear();
        startProgram();
        mainWindow().openAfterHandOver(file);
        EXPECT_EQ(listName(), QStringLiteral("Examples (\"Load List\" for other Questionnaires)"));
        startScreen().show();
        startScreen().handOverNow();
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();

        if (file == given) {
            EXPECT_EQ(text("Memo1"), QStringLiteral("gegeben _2_\n"));
            EXPECT_EQ(listName(), given);
            EXPECT_EQ(currentPage(), QStringLiteral("tb3"));
            EXPECT_FALSE(find<QPushButton>("bt_correct")->isEnabled());  // no round was started
            EXPECT_TRUE(errors.isEmpty());
        } else {
            // The error box, and the program goes on as without the file.
            ASSERT_EQ(errors.size(), 1);
            EXPECT_TRUE(errors.first().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
            EXPECT_EQ(text("Memo1"), QStringLiteral("benannt _1_"));
            EXPECT_EQ(listName(), named);
        }

        // Later activations, back from another window of the program, restore
        // the named list again, as always.
        trigger("m_bug");
        QApplication::processEvents();
        mainWindow().activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(listName(), named);
        EXPECT_TRUE(find<QPushButton>("bt_correct")->isEnabled());
    }
}

}  // namespace
}  // namespace lernwerk::testing
