#include "lang/dates.h"

namespace lernwerk {

QDate dateOf(memory::Day day)
{
    const auto date = memory::date_of(day);
    return QDate(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                 static_cast<int>(static_cast<unsigned>(date.day())));
}

QLocale localeOf(Language language)
{
    return language == Language::German ? QLocale(QLocale::German, QLocale::Germany)
                                        : QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace lernwerk
