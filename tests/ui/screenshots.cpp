// Writes a picture of every page and dialog of the program, in both
// languages, into the folder given as the argument. Two runs of different
// builds are compared picture by picture to show that a change of the code
// left every window as it was:
//
//   QT_QPA_PLATFORM=offscreen build/tests/ui/ui_screenshots /tmp/before
//
// The program is driven through its menu entries and buttons by object name,
// as a user would drive it; modal dialogs are pictured and then closed.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>

#include "app/application.h"
#include "app/program.h"
#include "desktop/error_reporter.h"
#include "dialogs/closing_dialog.h"
#include "dialogs/report_dialog.h"
#include "window/main_window.h"
#include "window/start_screen.h"

namespace {

using lernwerk::Program;

class Pictures {
public:
    Pictures(QString folder, QWidget& mainWindow) : folder_(std::move(folder)), window_(mainWindow) {}

    void take(QWidget& widget, const QString& name)
    {
        QCoreApplication::processEvents();
        const QString path = QDir(folder_).filePath(prefix_ + name + QStringLiteral(".png"));
        if (!widget.grab().save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        ++count_;
    }

    void setPrefix(const QString& prefix) { prefix_ = prefix; }

    // Triggers the named entry and pictures the main window, or the modal
    // dialog the entry opened.
    void entry(const QString& name)
    {
        QAction* action = window_.findChild<QAction*>(name);
        if (!action) {
            std::fprintf(stderr, "no entry %s\n", qPrintable(name));
            return;
        }
        opening(name, [action] { action->trigger(); });
    }

    // Runs `open` and pictures the modal dialog it opened, or else the main window.
    void opening(const QString& name, const std::function<void()>& open)
    {
        bool modalSeen = false;
        QTimer watch;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modalSeen)
                return;
            modalSeen = true;
            take(*modal, name);
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        });
        watch.start();
        open();
        QCoreApplication::processEvents();
        watch.stop();
        if (!modalSeen)
            take(window_, name);
    }

    void button(const QString& name)
    {
        if (auto* button = window_.findChild<QPushButton*>(name))
            button->click();
        else
            std::fprintf(stderr, "no button %s\n", qPrintable(name));
        QCoreApplication::processEvents();
    }

    int count() const { return count_; }

private:
    QString folder_;
    QWidget& window_;
    QString prefix_;
    int count_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    lernwerk::ErrorReporter errors;
    lernwerk::Application application(argc, argv, errors);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ui_screenshots FOLDER\n");
        return 2;
    }
    QDir().mkpath(QString::fromLocal8Bit(argv[1]));
    errors.setSink([](const QString& caption, const QString& message) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(message));
    });
    QTemporaryDir programFolder;
    // The list's folder shows in the pictures, so it is the same in every run.
    QDir workingFolder(QDir::temp().filePath(QStringLiteral("lernwerk-screenshots")));
    workingFolder.mkpath(QStringLiteral("."));
    QFile list(workingFolder.filePath(QStringLiteral("one.txt")));
    if (!list.open(QIODevice::WriteOnly))
        return 1;
    list.write("Rom ist die Hauptstadt von _Italien_.\r\n");
    list.close();
    // Another trainer's list, for the import's preview.
    QFile words(workingFolder.filePath(QStringLiteral("words.csv")));
    if (!words.open(QIODevice::WriteOnly))
        return 1;
    words.write(
        "Spanisch;Deutsch\r\nel lunes;Es un d\xED"
        "a de la semana.\r\nel martes;Es un d\xED"
        "a de la semana.\r\n"
        "el perro;der Hund\r\nla mesa;\r\n");
    words.close();

    Program program(errors, programFolder.path() + QLatin1Char('/'), workingFolder.path());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    program.startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    QWidget& window = program.mainWindow();
    window.resize(760, 560);
    window.show();
    Pictures pictures(QString::fromLocal8Bit(argv[1]), window);
    pictures.take(program.startScreen(), QStringLiteral("start"));

    const QStringList pages{QStringLiteral("f1"), QStringLiteral("f2"), QStringLiteral("f3"), QStringLiteral("f4"),
                            QStringLiteral("fProgress")};
    for (const QString& language : {QStringLiteral("sp2"), QStringLiteral("sp1")}) {
        pictures.setPrefix(language == QLatin1String("sp1") ? QStringLiteral("de-") : QStringLiteral("en-"));
        pictures.entry(language);
        for (const QString& page : pages)
            pictures.entry(page);
        // The information pages of the Windows menu, and the catalogue.
        const auto* windows = window.findChild<QMenu*>(QStringLiteral("f0"));
        bool afterSeparator = false;
        for (QAction* action : windows->actions()) {
            if (action->objectName() == QLatin1String("About1"))
                afterSeparator = true;
            else if (afterSeparator && !action->isSeparator())
                pictures.entry(action->objectName());
        }
        pictures.entry(language == QLatin1String("sp1") ? QStringLiteral("m_software_de_beschreibung1")
                                                        : QStringLiteral("m_software_en_description1"));
        for (const QString& dialog : {QStringLiteral("Schrift1"), QStringLiteral("hf"), QStringLiteral("m_bug"),
                                      QStringLiteral("forgetProgress")})
            pictures.entry(dialog);

        pictures.opening(QStringLiteral("import"), [&] {
            program.mainWindow().openListFile(workingFolder.filePath(QStringLiteral("words.csv")));
        });

        // A round of one question: asked, then solved.
        program.mainWindow().openListFile(workingFolder.filePath(QStringLiteral("one.txt")));
        pictures.entry(QStringLiteral("p1"));
        pictures.button(QStringLiteral("bt_solve"));
        pictures.take(window, QStringLiteral("solved"));
        pictures.button(QStringLiteral("bt_correct"));
        pictures.take(window, QStringLiteral("marked"));
    }
    pictures.setPrefix(QString());
    for (auto [dialog, name] : {std::pair<QWidget*, const char*>{&program.closingDialog(), "closing"},
                                {&program.germanReport(), "report-de"},
                                {&program.englishReport(), "report-en"}}) {
        dialog->show();
        pictures.take(*dialog, QString::fromLatin1(name));
        dialog->hide();
    }
    std::printf("%d pictures\n", pictures.count());
    return 0;
}
