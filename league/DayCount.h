#pragma once

namespace grd {

// A local date and time of day, as game records and the schedule window name it.
struct CalendarTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
};

// Days since 30 Dec 1899, the fraction being the time of day: how the schedule
// stores kick-off times.
double dayCountOf(const CalendarTime& time);
CalendarTime calendarTimeOf(double dayCount);

} // namespace grd
