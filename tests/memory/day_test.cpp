#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "memory/day.h"

namespace {

// The time zone of one test, put back afterwards.
class InZone {
public:
    explicit InZone(const char* zone)
    {
        if (const char* before = std::getenv("TZ"))
            before_ = before;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~InZone()
    {
        if (before_.empty())
            unsetenv("TZ");
        else
            setenv("TZ", before_.c_str(), 1);
        tzset();
    }

private:
    std::string before_;
};

// Which day it is and when the next begins, where the clocks run on and where they skip.
TEST(Day, TheNextDayBeginsAtItsFirstMoment)
{
    const struct {
        const char* zone;
        std::int64_t now;   // seconds since 1970, UTC
        std::int64_t next;  // the next day's first moment
        memory::Day day;    // the local day of `now`
    } cases[] = {
        // 2026-12-08 10:00 in Berlin (UTC+1): the 9th begins at 23:00 UTC.
        {"Europe/Berlin", 1796720400, 1796770800, 20795},
        // The last second of a day: the next begins a second later.
        {"Europe/Berlin", 1796770799, 1796770800, 20795},
        // Santiago skips from 2022-09-10 23:59:59 (UTC-4) to 01:00 (UTC-3): the 11th begins at 04:00 UTC.
        {"America/Santiago", 1662800000, 1662868800, 19245},
        // A day of 25 hours: Berlin 2025-10-26 from 01:00, the clocks go back at 03:00.
        {"Europe/Berlin", 1761433200, 1761519600, 20387},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.now));
        const InZone zone(c.zone);
        EXPECT_EQ(memory::local_day(c.now), c.day);
        EXPECT_EQ(memory::next_day_start(c.now), c.next);
        EXPECT_EQ(memory::local_day(c.next), c.day + 1);
        EXPECT_EQ(memory::local_day(c.next - 1), c.day);
    }
    const auto date = memory::date_of(20795);
    EXPECT_EQ(date, std::chrono::year_month_day(std::chrono::year(2026), std::chrono::December, std::chrono::day(8)));
}

}  // namespace
