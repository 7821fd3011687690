#pragma once

#include <chrono>
#include <cstdint>

namespace memory {

// The learner's calendar: a day is a calendar day of the learner's own time
// zone, counted from 1970-01-01. Every part of the program that asks which
// day it is, or when the next one begins, asks here.
using Day = std::int32_t;

// The local day of a moment given in seconds since 1970 (UTC).
Day local_day(std::int64_t unix_seconds);
// The local day now.
Day today();
// The time now, in milliseconds since 1970 (UTC).
std::int64_t now_ms();
// The first moment of the local day after the one of `unix_seconds`, in
// seconds since 1970: its midnight, or where the clocks skip midnight, the
// first time the clocks show on that day.
std::int64_t next_day_start(std::int64_t unix_seconds);
// The calendar date of `day`.
std::chrono::year_month_day date_of(Day day);

}  // namespace memory
