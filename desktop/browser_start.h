#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace lernwerk {

// Where web addresses go on their way to the browser. Qt hands an address to
// xdg-open and reports success as soon as xdg-open has started, whether or not
// a browser took the address; xdg-open itself tells by its exit status. So the
// program starts xdg-open itself where there is one and watches how it ends,
// without waiting for it.
class BrowserStart : public QObject {
    Q_OBJECT
public:
    using Report = std::function<void(const QString& address)>;

    // The one instance; it takes the web addresses QDesktopServices::openUrl
    // is given once `watch` has run.
    static BrowserStart& instance();

    // Takes the http and https addresses from now on; `report` hears of each
    // address that no browser took, after the start has returned. An empty
    // report hears of none and leaves the handlers as they are.
    void watch(Report report);

    // Hands `address` on, as QDesktopServices::openUrl does with it. False when
    // it plainly could not start (nothing to start it with); a start that fails
    // later goes to the report.
    bool open(const QString& address);

public slots:
    // The handler QDesktopServices calls.
    void openUrl(const QUrl& url);

signals:
    // A start of xdg-open ended: whether a browser took `address`.
    void startEnded(const QString& address, bool opened);

private:
    BrowserStart() = default;
    ~BrowserStart() override;
    void startOpener(const QString& opener, const QUrl& url, const QString& address);

    Report report_;
    bool handling_ = false;
    // What the start in progress was asked for, and whether it failed at once.
    QString asked_;
    bool failedAtOnce_ = false;
};

}  // namespace lernwerk
