#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace lernwerk {

// Date and time as the round log writes them: the locale's short date and its
// long time format cut down to hours, minutes and seconds, joined by a blank.
QString logTimestamp(const QDateTime& moment, const QLocale& locale);

}  // namespace lernwerk
