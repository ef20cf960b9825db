#pragma once

#include <cstdint>

namespace grd {

// How a schedule is printed: 0 or more, one column per page (the value is the schedule
// window's view); kTwoColumns and kThreeColumns put weeks side by side;
// kPlainScheduleLines prints plain lines: the informal forecasts, or the season outlook,
// whose table rows split their cells with "|" and whose "\f" lines start a new page.
using ScheduleColumns = int32_t;

constexpr ScheduleColumns kOneColumn = 0;
constexpr ScheduleColumns kTwoColumns = -1;
constexpr ScheduleColumns kThreeColumns = -2;
constexpr ScheduleColumns kPlainScheduleLines = 100;

} // namespace grd
