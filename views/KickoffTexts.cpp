#include "views/KickoffTexts.h"

#include "league/Format.h"

#include <array>
#include <chrono>

namespace grd {

std::string KickoffTexts::dayName(int weekday) const {
    static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                         "Thu", "Fri", "Sat"};
    return weekday >= 0 && weekday < 7 ? kDays[static_cast<size_t>(weekday)] : "";
}

std::string KickoffTexts::monthName(int month) const {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? kMonths[static_cast<size_t>(month - 1)] : "";
}

std::string KickoffTexts::shortTime(int hour, int minute) const {
    const int twelve = hour % 12 == 0 ? 12 : hour % 12;
    return cformat("%d:%02d %s", twelve, minute, hour < 12 ? "AM" : "PM");
}

int weekdayOf(const CalendarTime& time) {
    using namespace std::chrono;
    const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                              day{static_cast<unsigned>(time.day)}};
    return date.ok() ? static_cast<int>(weekday{sys_days{date}}.c_encoding()) : 0;
}

} // namespace grd
