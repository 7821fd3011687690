#include "desktop/timestamp.h"

#include <QRegularExpression>

namespace lernwerk {

QString logTimestamp(const QDateTime& moment, const QLocale& locale)
{
    // The long time format may name the time zone ("t", "tttt"); the log
    // leaves it out.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    timeFormat.remove(zone);
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), timeFormat.trimmed());
}

}  // namespace lernwerk
