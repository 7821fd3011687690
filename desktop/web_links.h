#pragma once

#include <QString>

#include "quiz/language.h"

namespace lernwerk {

// The web address for a link text: "http://www." + text + "&rf=" + referrer,
// with a bare site turned into its root page. With `cleanUp`, every "&" is
// removed first and a description after " - " is cut off.
QString linkAddress(const QString& linkText, const QString& referrer, bool cleanUp);

// Opens the link text's address in the desktop's web browser, as
// `openAddress` does.
void BrowseToAddress(const QString& linkText, const QString& referrer, bool cleanUp);

// Hands a complete address to the desktop's web browser. When no browser
// takes it, throws with the message set below, which names the address.
void openAddress(const QString& address);

class ErrorReporter;
// From now on a browser start that fails after `openAddress` has returned
// (xdg-open found no browser) is shown through `errors` with the same
// message; nullptr: through nothing.
void watchBrowserStarts(const ErrorReporter* errors);

// The message for an address no browser took, in the interface language;
// %1 stands for the address.
void setNoBrowserMessage(const QString& message);

// The donation page of the maker's site for the language, as the status bar's
// link panel opens it.
QString donationAddress(quiz::Language language);
void openDonationPage(quiz::Language language);

// Referrer values: which kind of link an address came from.
inline const QString kReferrerReport = QStringLiteral("kpr");
inline const QString kReferrerMenu = QStringLiteral("kpm");
inline const QString kReferrerPage = QStringLiteral("kph");
inline const QString kReferrerStatusBar = QStringLiteral("kpl");

}  // namespace lernwerk
