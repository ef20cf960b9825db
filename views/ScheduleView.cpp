#include "views/ScheduleView.h"

#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "views/DisplayKind.h"

#include <algorithm>
#include <array>
#include <set>

namespace grd {
namespace {

constexpr std::array<const char*, kFirstTeamView> kFixedEntries = {
    "Complete Schedule", "Sunday Night Games", "Monday Night Games", "Tuesday Games",
    "Wednesday Games",   "Thursday Games",     "Friday Games",       "Saturday Games"};
constexpr int kNightHour = 18;
constexpr int kFirstNameCode = 3;

std::string codeName(const LeagueStructure& league, int32_t code, bool cityNames) {
    const auto& names = cityNames ? league.cityNames : league.teamNames;
    const int32_t index = NameIndexOfCode(league, code);
    return index >= 0 && index < static_cast<int32_t>(names.size())
               ? names[static_cast<size_t>(index)]
               : std::string();
}

class ScheduleFiller {
public:
    ScheduleFiller(const tSchedule70& schedule, const LeagueStructure& league,
                   const ScheduleLook& look, const KickoffTexts& texts)
        : schedule_(schedule), league_(league), look_(look), texts_(texts),
          grid_(displayKind(kScheduleWindow).titleList()) {}

    // Game index ranges of the regular weeks, bounded by the games there are.
    std::vector<std::pair<size_t, size_t>> regularWeeks() const {
        std::vector<std::pair<size_t, size_t>> weeks;
        size_t next = 0;
        const int n = league_.regularWeekCount();
        for (int w = 1; w <= n && w < static_cast<int>(league_.weekGameCounts.size()); ++w) {
            const size_t count = static_cast<size_t>(std::max(0, league_.weekGameCounts[w]));
            const size_t end = std::min(next + count, schedule_.games.size());
            weeks.emplace_back(next, end);
            next = end;
        }
        return weeks;
    }

    void complete() {
        const auto weeks = regularWeeks();
        for (size_t w = 0; w < weeks.size(); ++w) {
            titleRow(cformat(" Week %2d", static_cast<int>(w) + 1));
            for (size_t g = weeks[w].first; g < weeks[w].second; ++g) {
                gameRow(schedule_.games[g]);
            }
        }
        int lastSection = 0;
        for (size_t g = weeks.empty() ? 0 : weeks.back().second; g < schedule_.games.size(); ++g) {
            const int section = schedule_.games[g].sectionHeading();
            if (section >= 1 && section <= 5 && section != lastSection) {
                titleRow(" " + schedule_.roundHeadings[static_cast<size_t>(section - 1)]);
                lastSection = section;
            }
            gameRow(schedule_.games[g]);
        }
    }

    void weekday(int type) {
        for (const auto& [begin, end] : regularWeeks()) {
            for (size_t g = begin; g < end; ++g) {
                const CalendarTime time = calendarTimeOf(schedule_.games[g].kickoff);
                const bool night = type > 2 || time.hour >= kNightHour;
                if (weekdayOf(time) + 1 == type && night) {
                    gameRow(schedule_.games[g]);
                }
            }
        }
    }

    void team(int32_t code) {
        for (const auto& [begin, end] : regularWeeks()) {
            bool plays = false;
            for (size_t g = begin; g < end; ++g) {
                const ScheduledGame& game = schedule_.games[g];
                if (game.visitorCode == code || game.homeCode == code) {
                    gameRow(game);
                    plays = true;
                }
            }
            if (!plays) {
                grid_.set(grid_.addRow(), kVisitorColumn, " Open Date");
            }
        }
    }

    GridContent finish() {
        if (grid_.rowCount() == 0) {
            grid_.set(grid_.addRow(), kVisitorColumn, " No Games");
        }
        return std::move(grid_);
    }

private:
    void titleRow(const std::string& text) {
        const int row = grid_.addRow();
        grid_.set(row, kHomeColumn, text);
        if (look_.rowHighlight) {
            grid_.markRow(row, CellMark::Highlight);
        }
    }

    void gameRow(const ScheduledGame& game) {
        const int row = grid_.addRow();
        const CalendarTime time = calendarTimeOf(game.kickoff);
        grid_.set(row, kVisitorColumn, " " + codeName(league_, game.visitorCode, look_.cityNames));
        grid_.set(row, kAtColumn, " at");
        grid_.set(row, kHomeColumn, " " + codeName(league_, game.homeCode, look_.cityNames));
        grid_.set(row, kDayColumn, " " + texts_.dayName(weekdayOf(time)));
        grid_.set(row, kDateColumn,
                  " " + texts_.monthName(time.month) + " " + std::to_string(time.day));
        grid_.set(row, kTimeColumn,
                  game.kickoffToBeAnnounced() ? " TBA"
                                              : " " + texts_.shortTime(time.hour, time.minute));
    }

    const tSchedule70& schedule_;
    const LeagueStructure& league_;
    const ScheduleLook& look_;
    const KickoffTexts& texts_;
    GridContent grid_;
};

} // namespace

std::vector<ScheduleViewEntry> scheduleViewEntries(const tSchedule70& schedule,
                                                   const LeagueStructure& league, bool cityNames) {
    std::vector<ScheduleViewEntry> entries;
    for (const char* text : kFixedEntries) {
        entries.push_back({text, 0});
    }
    std::set<int32_t> codes;
    const auto nameCount = static_cast<int32_t>(league.cityNames.size());
    for (const ScheduledGame& game : schedule.games) {
        for (int32_t code : {game.visitorCode, game.homeCode}) {
            if (code >= kFirstNameCode && code <= nameCount - 1) {
                codes.insert(code);
            }
        }
    }
    for (int32_t code : codes) {
        entries.push_back({codeName(league, code, cityNames), code});
    }
    return entries;
}

GridContent scheduleGrid(const tSchedule70& schedule, const LeagueStructure& league,
                         const std::vector<ScheduleViewEntry>& entries, int entry,
                         const ScheduleLook& look, const KickoffTexts& texts) {
    ScheduleFiller filler(schedule, league, look, texts);
    if (entry >= kFirstTeamView && entry < static_cast<int>(entries.size())) {
        filler.team(entries[static_cast<size_t>(entry)].code);
    } else if (entry >= 1 && entry < kFirstTeamView) {
        filler.weekday(entry);
    } else {
        filler.complete();
    }
    return filler.finish();
}

std::string scheduleCaption(const tSchedule70& schedule,
                            const std::vector<ScheduleViewEntry>& entries, int entry) {
    const bool known = entry >= 0 && entry < static_cast<int>(entries.size());
    return schedule.title + ": " +
           (known ? entries[static_cast<size_t>(entry)].text : kFixedEntries[0]);
}

bool scheduleHasNoGames(const GridContent& grid) {
    return grid.rowCount() == 1 && grid.text(0, kHomeColumn).empty();
}

} // namespace grd
