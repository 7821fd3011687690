#include "memory/day.h"

#include <ctime>

namespace memory {

namespace {

std::tm local_time(std::int64_t unix_seconds)
{
    const auto seconds = static_cast<std::time_t>(unix_seconds);
    std::tm local{};
    localtime_r(&seconds, &local);
    return local;
}

}  // namespace

Day local_day(std::int64_t unix_seconds)
{
    const std::tm local = local_time(unix_seconds);
    const std::chrono::year_month_day date{std::chrono::year(local.tm_year + 1900),
                                           std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                           std::chrono::day(static_cast<unsigned>(local.tm_mday))};
    return static_cast<Day>(std::chrono::sys_days(date).time_since_epoch().count());
}

Day today() { return local_day(std::time(nullptr)); }

std::int64_t now_ms()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int64_t next_day_start(std::int64_t unix_seconds)
{
    const Day day = local_day(unix_seconds);
    std::tm midnight = local_time(unix_seconds);
    midnight.tm_mday += 1;
    midnight.tm_hour = midnight.tm_min = midnight.tm_sec = 0;
    midnight.tm_isdst = -1;
    std::int64_t start = std::mktime(&midnight);
    // A midnight the clocks skip is taken for a time of the day before by some
    // systems: then the day begins at the first hour that is on the new day.
    for (int hour = 1; hour <= 3 && local_day(start) == day; ++hour) {
        midnight.tm_hour = hour;
        midnight.tm_isdst = -1;
        start = std::mktime(&midnight);
    }
    return start;
}

std::chrono::year_month_day date_of(Day day) { return std::chrono::sys_days(std::chrono::days(day)); }

}  // namespace memory
