#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include "program_fixture.h"

namespace lernwerk::testing {

// Takes the place of the web browser and notes every address it is given.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    QStringList addresses;

public slots:
    void open(const QUrl& url) { addresses << url.toString(); }
};

// The whole program, with web addresses going to the stand-in instead of a browser.
class BrowserTest : public ProgramTest {
protected:
    BrowserStandIn browser;

    void SetUp() override
    {
        ProgramTest::SetUp();
        startProgram();
        // After the program, which takes web addresses itself.
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    }

    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        ProgramTest::TearDown();
    }
};

}  // namespace lernwerk::testing
