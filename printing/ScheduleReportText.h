#pragma once

#include "printing/ScheduleColumns.h"
#include "views/GridContent.h"

#include <string>
#include <vector>

namespace grd {

// A schedule ready to print: its job title and its lines in the report markup, a game
// as Day|Date|Time|Team 1|at|Team 2 with the cells' leading blanks, headings bold.
struct ScheduleReport {
    std::string title;
    std::vector<std::string> lines;
};

// The printout of a schedule window's grid (its data rows, as scheduleGrid builds
// them). columns kTwoColumns and kThreeColumns lay the complete schedule's weeks and
// playoff rounds side by side; any other value prints one column, and a value above 0
// (a weekday or team view) names the view in the title. regularWeeks is the number of
// regular weeks; title the schedule's title; viewName the text of the view shown.
ScheduleReport scheduleReportText(const GridContent& grid, ScheduleColumns columns,
                                  int regularWeeks, const std::string& title,
                                  const std::string& viewName);

} // namespace grd
