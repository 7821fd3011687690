// A link that no browser opened, told whichever way the desktop tells it.

#include "program_fixture.h"

#include <QEventLoop>
#include <QFile>

#include "desktop/browser_start.h"

namespace lernwerk::testing {
namespace {

// The program with a search path of its own: an xdg-open there that ends
// with a given status, or none.
class BrowserExitTest : public ProgramTest {
protected:
    QTemporaryDir bin;
    QByteArray searchPath = qgetenv("PATH");

    void SetUp() override
    {
        ProgramTest::SetUp();
        ASSERT_TRUE(bin.isValid());
        qputenv("PATH", bin.path().toLocal8Bit());
        startProgram();
    }

    void TearDown() override
    {
        qputenv("PATH", searchPath);
        ProgramTest::TearDown();
    }

    // An xdg-open that notes the address it was given and ends with `status`.
    void fakeOpener(int status)
    {
        QFile script(bin.filePath(QStringLiteral("xdg-open")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"${0%/*}/asked\"\nexit %1\n").arg(status).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
};

// A browser that did not open is told with its address, whether the desktop
// says so at once or xdg-open says so later by its exit status; a start that
// went well says nothing. The window is not held up in the meantime.
TEST_F(BrowserExitTest, ALinkNoBrowserOpenedIsToldWithItsAddress)
{
    const QString address = QStringLiteral("http://www.malke-studio.com/&rf=kpm");
    const QString told = QStringLiteral("No web browser opened the address:\n") + address;
    const struct {
        const char* name;
        int status;  // of the fake xdg-open; -1: there is none
        bool toldLater;
        QStringList errors;
    } cases[] = {
        {"no opener at all", -1, false, {told}},
        {"xdg-open finds no browser", 3, true, {told}},
        {"xdg-open starts one", 0, true, {}},
    };
    for (const auto& each : cases) {
        errors.clear();
        QFile::remove(bin.filePath(QStringLiteral("xdg-open")));
        if (each.status >= 0)
            fakeOpener(each.status);
        QStringList ended;
        QEventLoop waiting;
        const auto connection =
            QObject::connect(&BrowserStart::instance(), &BrowserStart::startEnded, [&](const QString& endedAt, bool) {
                ended << endedAt;
                waiting.quit();
            });
        trigger("i6");
        if (each.toldLater) {
            EXPECT_TRUE(errors.isEmpty()) << each.name;
            // Bounded only in case xdg-open never ends.
            QTimer::singleShot(20000, &waiting, &QEventLoop::quit);
            if (ended.isEmpty())
                waiting.exec();
            EXPECT_EQ(ended, QStringList{address}) << each.name;
            EXPECT_EQ(readFile(bin.filePath(QStringLiteral("asked"))).trimmed(), address.toUtf8()) << each.name;
        }
        QObject::disconnect(connection);
        EXPECT_EQ(errors, each.errors) << each.name;
    }
}

}  // namespace
}  // namespace lernwerk::testing
