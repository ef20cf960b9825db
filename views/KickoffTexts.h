#pragma once

#include "league/DayCount.h"

#include <string>

namespace grd {

// How the schedule names a kick-off: abbreviated weekday and month, and the short
// time of day. The windows use the user's locale; this default is U.S. English.
class KickoffTexts {
public:
    virtual ~KickoffTexts() = default;
    virtual std::string dayName(int weekday) const; // 0 Sunday .. 6 Saturday
    virtual std::string monthName(int month) const; // 1 .. 12
    virtual std::string shortTime(int hour, int minute) const;
};

// The weekday of a date: 0 Sunday .. 6 Saturday.
int weekdayOf(const CalendarTime& time);

} // namespace grd
