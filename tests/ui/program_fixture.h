#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

#include "app/program.h"
#include "desktop/error_reporter.h"
#include "lang/interface_language.h"
#include "pages/info_page.h"
#include "widgets/page_control.h"
#include "widgets/status_bar.h"
#include "window/main_window.h"
#include "window/start_screen.h"

namespace lernwerk::testing {

// The one error reporter of the test program.
ErrorReporter& testErrorReporter();

// Builds the whole program in-process, as the entry point does, with its
// program folder and working directory in fresh temporary folders. Failures
// that would show the error box are recorded instead.
class ProgramTest : public ::testing::Test {
protected:
    QTemporaryDir programDir;
    QTemporaryDir workingDir;
    QStringList errors;
    std::unique_ptr<Program> program;

    void SetUp() override
    {
        ASSERT_TRUE(programDir.isValid());
        ASSERT_TRUE(workingDir.isValid());
        errorReporter().setSink([this](const QString& caption, const QString& message) {
            errorCaptions << caption;
            errors << message;
        });
    }

    void TearDown() override
    {
        program.reset();
        errorReporter().setSink({});
    }

    // Creates the five windows; the start screen's timer is stopped so that no
    // test depends on real seconds.
    void startProgram()
    {
        program = std::make_unique<Program>(errorReporter(), programFolder(), workingDir.path());
        // As once the start screen is on screen.
        startScreen().buildBehind();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        startScreen().findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    }

    // The reporter every window of the program under test sends its failures
    // to; the test program's application object reports to it as well.
    static ErrorReporter& errorReporter() { return testErrorReporter(); }

    QString programFolder() const { return programDir.path() + QLatin1Char('/'); }

    StartScreen& startScreen() { return program->startScreen(); }
    MainWindow& mainWindow() { return program->mainWindow(); }

    template <typename Control = QWidget>
    Control* find(const char* name)
    {
        auto* found = mainWindow().findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QPlainTextEdit* memo(const char* name) { return find<QPlainTextEdit>(name); }
    QString text(const char* name) { return memo(name)->toPlainText(); }
    void click(const char* name) { find<QPushButton>(name)->click(); }
    void trigger(const char* name) { find<QAction>(name)->trigger(); }
    QString panel(int index) { return find<StatusBar>("anzeige")->panelText(index); }
    // Brings the named page to the front, as a click on its tab does.
    void showPage(const char* name)
    {
        auto* pages = find<PageControl>("blatt");
        pages->setPageVisible(find(name), true);
        pages->selectPage(find(name));
    }
    // Builds the content of every information page, as showing each would.
    void buildInfoPages()
    {
        for (InfoPage* page : mainWindow().findChildren<InfoPage*>())
            page->ensureBuilt();
    }

    // Answers the next modal dialog from the event loop with `answer`.
    static void whenModal(std::function<void(QWidget*)> answer)
    {
        QTimer::singleShot(0, [answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            answer(dialog);
        });
    }

    // Answers the modal dialog named `name` once it has opened (it may open after others).
    static void whenModalNamed(const char* name, std::function<void(QWidget*)> answer)
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, name, answer] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || dialog->objectName() != QLatin1String(name))
                return;
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        });
        poll->start(0);
    }

    // Answers an open or save dialog by typing `fileName`, as a user does;
    // an empty name cancels it.
    static void answerFileDialog(const QString& fileName);

    QStringList errorCaptions;
};

// The German program shown and active, with what its speaker says collected
// in `spoken`.
class SpokenProgramTest : public ProgramTest {
protected:
    void SetUp() override;

    QStringList spoken;
};

// Writes `bytes` to `path`, replacing the file.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

}  // namespace lernwerk::testing
