#pragma once

#include <QDate>
#include <QLocale>

#include "lang/interface_language.h"
#include "memory/day.h"

namespace lernwerk {

// How the interface languages write the learner's days: the one place that
// turns a day into a date and chooses the locale of a language's month names.
QDate dateOf(memory::Day day);
QLocale localeOf(Language language);

}  // namespace lernwerk
