#include "desktop/browser_start.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace lernwerk {

namespace {

const QString kSchemes[] = {QStringLiteral("http"), QStringLiteral("https")};

}  // namespace

BrowserStart& BrowserStart::instance()
{
    // Owned by the application, so that it goes before the event loop's end
    // and Qt forgets it as a handler when it goes.
    static BrowserStart* const starter = [] {
        auto* made = new BrowserStart;
        made->setParent(QCoreApplication::instance());
        return made;
    }();
    return *starter;
}

BrowserStart::~BrowserStart()
{
    if (handling_) {
        for (const QString& scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
}

void BrowserStart::watch(Report report)
{
    report_ = std::move(report);
    if (!report_)
        return;
    handling_ = true;
    for (const QString& scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

bool BrowserStart::open(const QString& address)
{
    asked_ = address;
    failedAtOnce_ = false;
    const bool started = QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    asked_.clear();
    return started && !failedAtOnce_;
}

void BrowserStart::openUrl(const QUrl& url)
{
    const QString address = asked_.isEmpty() ? url.toString() : asked_;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty()) {
        startOpener(opener, url, address);
        return;
    }
    // Without xdg-open Qt's own way looks for another opener; this handler
    // steps aside for it.
    const QString scheme = url.scheme();
    QDesktopServices::unsetUrlHandler(scheme);
    failedAtOnce_ = !QDesktopServices::openUrl(url);
    QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

void BrowserStart::startOpener(const QString& opener, const QUrl& url, const QString& address)
{
    // Without a parent: xdg-open may run as long as the browser it started,
    // and a process object that is destroyed ends its process, so one still
    // running when the program ends is left to run.
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({QString::fromUtf8(url.toEncoded())});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const auto ended = [this, process, address](bool opened) {
        process->deleteLater();
        if (!opened && report_)
            report_(address);
        emit startEnded(address, opened);
    };
    connect(process, &QProcess::finished, this, [ended](int exitCode, QProcess::ExitStatus status) {
        ended(status == QProcess::NormalExit && exitCode == 0);
    });
    connect(process, &QProcess::errorOccurred, this, [ended](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            ended(false);
    });
    process->start();
}

}  // namespace lernwerk
