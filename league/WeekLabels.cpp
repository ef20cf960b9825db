#include "league/WeekLabels.h"

#include "league/FileNames.h"
#include "league/Format.h"

namespace grd {

namespace {

std::string playoffName(const LeagueStructure& league, int entry) {
    if (entry < 0 || entry >= kMaxPlayoffWeeks) {
        return "Week__";
    }
    return league.playoffWeekNames[static_cast<size_t>(entry)];
}

std::string weekLabelText(const LeagueStructure& league, bool forecastMode, int week) {
    if (forecastMode) {
        return week >= kFirstPlayoffWeek ? playoffName(league, week - kFirstPlayoffWeek)
                                         : "Week " + std::to_string(week);
    }
    if (week == 1) {
        return "Before Week 1";
    }
    if (week == kFirstPlayoffWeek) {
        return "Week " + std::to_string(league.regularWeekCount());
    }
    if (week > kFirstPlayoffWeek) {
        return playoffName(league, week - kFirstPlayoffWeek - 1);
    }
    return "Week " + std::to_string(week - 1);
}

// Two-digit season years of old file names: 84..99 are the 1900s, 00..83 the 2000s.
int yearOfTwoDigits(int digits) {
    int year = 1900 + digits;
    return year < 1984 ? year + 100 : year;
}

std::string afterLastWeek(std::string_view base, int year, int spreadCount) {
    auto week = parseInteger(base.size() >= 2 ? base.substr(base.size() - 2) : std::string_view());
    if (!week || *week < 0) {
        return {};
    }
    bool regular = year < 1990 ? *week < 16 : *week < 17;
    if (regular && spreadCount > 10) {
        return "Week " + std::to_string(*week + 1);
    }
    if (*week >= 16 && spreadCount < 12) {
        return "Wild Card";
    }
    return {};
}

} // namespace

std::string WeekLabel(const LeagueStructure& league, std::string_view seasonText, bool forecastMode,
                      int week) {
    return std::string(seasonText) + ": " + weekLabelText(league, forecastMode, week) + "  ";
}

std::string ArchiveWeekLabel(std::string_view fileName, int spreadCount) {
    std::string fallback = "week after " + std::string(fileName);
    size_t dot = fileName.find('.');
    if (dot == std::string_view::npos) {
        return fallback;
    }
    auto digits = parseInteger(fileName.substr(fileName.rfind('.') + 1));
    if (!digits || *digits < 0 || *digits > 99) {
        return fallback;
    }
    int year = yearOfTwoDigits(static_cast<int>(*digits));
    std::string prefix = std::to_string(year) + ": ";
    std::string base = toLowerAscii(fileName.substr(0, dot));
    if (base == "wildcard" || base == "wild card") {
        return prefix + "Division";
    }
    if (base == "divisional" || base == "division") {
        return prefix + "Championship";
    }
    if (base == "championship") {
        return prefix + "Super Bowl";
    }
    std::string label = afterLastWeek(fileName.substr(0, dot), year, spreadCount);
    return label.empty() ? fallback : prefix + label;
}

} // namespace grd
