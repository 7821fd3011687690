#include "desktop/web_links.h"

#include <stdexcept>

#include "desktop/browser_start.h"
#include "desktop/error_reporter.h"
#include "desktop/sites.h"

namespace lernwerk {

namespace {

QString& noBrowserMessage()
{
    // The interface language gives its text with its first texts; until
    // then the message is the address alone.
    static QString message = QStringLiteral("%1");
    return message;
}

void replaceFirst(QString& text, const QString& what, const QString& with)
{
    const qsizetype at = text.indexOf(what);
    if (at >= 0)
        text.replace(at, what.size(), with);
}

}  // namespace

QString linkAddress(const QString& linkText, const QString& referrer, bool cleanUp)
{
    QString text = linkText;
    if (cleanUp) {
        text.remove(QLatin1Char('&'));
        const qsizetype description = text.indexOf(QStringLiteral(" - "));
        if (description >= 0)
            text.truncate(description);
    }
    QString address = QStringLiteral("http://www.") + text + QStringLiteral("&rf=") + referrer;
    // A bare site gets the slash of its root page before the query.
    replaceFirst(address, QStringLiteral(".de&"), QStringLiteral(".de/&"));
    replaceFirst(address, QStringLiteral(".com&"), QStringLiteral(".com/&"));
    return address;
}

void BrowseToAddress(const QString& linkText, const QString& referrer, bool cleanUp)
{
    openAddress(linkAddress(linkText, referrer, cleanUp));
}

void openAddress(const QString& address)
{
    if (!BrowserStart::instance().open(address))
        throw std::runtime_error(noBrowserMessage().arg(address).toStdString());
}

void watchBrowserStarts(const ErrorReporter* errors)
{
    if (!errors) {
        BrowserStart::instance().watch({});
        return;
    }
    BrowserStart::instance().watch([errors](const QString& address) { errors->show(noBrowserMessage().arg(address)); });
}

void setNoBrowserMessage(const QString& message) { noBrowserMessage() = message; }

QString donationAddress(quiz::Language language)
{
    const quiz::PerLanguage<QString> donatePath{QStringLiteral("/spenden&rf="), QStringLiteral("/donate&rf=")};
    return QStringLiteral("http://www.") + QString::fromStdString(sites::kHome.in(language)) + donatePath.in(language) +
           kReferrerStatusBar;
}

void openDonationPage(quiz::Language language) { openAddress(donationAddress(language)); }

}  // namespace lernwerk
