#include "league/DayCount.h"

#include <chrono>
#include <cmath>

namespace grd {

namespace {

using namespace std::chrono;

constexpr sys_days kDayZero = year{1899} / December / 30;

} // namespace

double dayCountOf(const CalendarTime& time) {
    sys_days date = year{time.year} / month{static_cast<unsigned>(time.month)} /
                    day{static_cast<unsigned>(time.day)};
    double days = static_cast<double>((date - kDayZero).count());
    return days + (time.hour * 60 + time.minute) / 1440.0;
}

CalendarTime calendarTimeOf(double dayCount) {
    if (!std::isfinite(dayCount) || std::fabs(dayCount) > 1e7) {
        return {};
    }
    // Round to the minute first, so 19:59:59.9 of floating error reads as 20:00.
    long long minutes = std::llround(dayCount * 1440.0);
    long long days = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    long long minuteOfDay = minutes - days * 1440;
    year_month_day date{kDayZero + sys_days::duration{days}};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(minuteOfDay / 60),
            static_cast<int>(minuteOfDay % 60)};
}

} // namespace grd
