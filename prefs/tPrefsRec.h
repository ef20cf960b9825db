#pragma once

#include "prefs/FontPrefs.h"
#include "prefs/ReportPrintPrefs.h"
#include "prefs/SchedulePrintPrefs.h"

#include <array>

namespace grd {

constexpr int kReportPrefsCount = 8;
constexpr int kSchedulePrefsCount = 3;

// The view and print preferences. The defaults are those of a missing file.
struct tPrefsRec {
    bool catToolbar = true;
    bool teamToolbar = true;
    bool schedToolbar = true;
    bool cityNames = true; // teams named by city rather than by team name
    bool horzLines = true;
    bool vertLines = true;
    bool rowHighlight = true;
    bool tileVert = false;

    FontPrefs font;

    // The reports chosen last time.
    bool reportSpreadsPlain = false;
    bool reportSpreadsGrid = true;
    bool reportTeam = true;
    bool reportDiv = true;
    bool reportCat = true;
    bool reportArchiveScores = true;
    bool reportArchiveSpreadsPlain = false;
    bool reportArchiveSpreadsGrid = true;

    // Entry k - 1 for report kind k: Team, Div, Cat, SpreadsPlain, SpreadsGrid,
    // ArchiveSpreadsPlain, ArchiveSpreadsGrid, ArchiveScores.
    std::array<ReportPrintPrefs, kReportPrefsCount> reports;
    // Entry c - 1 for schedules printed with c columns per page.
    std::array<SchedulePrintPrefs, kSchedulePrefsCount> schedules;

    // The name list teams are shown from: 1 city names, 2 team names.
    int nameList() const { return cityNames ? 1 : 2; }

    bool operator==(const tPrefsRec&) const = default;
};

} // namespace grd
