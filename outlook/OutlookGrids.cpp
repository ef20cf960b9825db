#include "outlook/OutlookGrids.h"

#include "accuracy/WinChance.h"
#include "league/Format.h"

namespace grd {

namespace {

std::string recordText(const Record& record) {
    return cformat("%d-%d-%d", record.wins(), record.losses(), record.ties);
}

std::string percentText(double chance) {
    return cformat("%.1f", 100.0 * chance);
}

std::string fractionText(double chance) {
    return cformat("%.4f", chance);
}

} // namespace

GridContent conferenceGrid(const OutlookSeason& season, const OutlookFigures& figures,
                           int conference, bool seedColumns) {
    std::vector<std::string> titles{"Team",       "Division",   "W-L-T",     "Div",
                                    "Conf",       "Seed today", "Mean wins", "Division %",
                                    "Playoffs %", "Top seed %"};
    for (int seed = 1; seedColumns && seed <= season.shape.fieldSize; ++seed) {
        titles.push_back("Seed " + std::to_string(seed) + " %");
    }
    GridContent grid(std::move(titles));
    const auto& shape = season.shape;
    const auto& table = season.played;
    for (int ordinal : shape.conferenceDivisions[static_cast<size_t>(conference)]) {
        uint64_t divisionMask = shape.divisionMasks[static_cast<size_t>(ordinal)];
        uint64_t conferenceMask = shape.conferenceMasks[static_cast<size_t>(conference)];
        for (int team : figures.today.divisionOrder[static_cast<size_t>(ordinal)]) {
            auto index = static_cast<size_t>(team);
            uint64_t others = ~(uint64_t{1} << team);
            int row = grid.addRow();
            grid.set(row, 0, season.names[index]);
            grid.set(row, 1, shape.divisionNames[static_cast<size_t>(ordinal)]);
            grid.set(row, 2, recordText(table.record(team)));
            grid.set(row, 3, recordText(table.recordAgainst(team, divisionMask & others)));
            grid.set(row, 4, recordText(table.recordAgainst(team, conferenceMask & others)));
            int seed = figures.today.seed[index];
            grid.set(row, 5, seed == 0 ? std::string() : std::to_string(seed));
            if (figures.odds.empty()) {
                continue;
            }
            const auto& odds = figures.odds[index];
            grid.set(row, 6, cformat("%.1f", odds.meanWins));
            grid.set(row, 7, percentText(odds.division));
            grid.set(row, 8, percentText(odds.playoffs));
            grid.set(row, 9, percentText(odds.topSeed));
            for (size_t s = 0; seedColumns && s < odds.seeds.size(); ++s) {
                grid.set(row, 10 + static_cast<int>(s), percentText(odds.seeds[s]));
            }
        }
    }
    return grid;
}

GridContent nextWeekGrid(const OutlookSeason& season) {
    GridContent grid({"Visitor", "Home", "Forecast", "Visitor wins %", "Home wins %"});
    for (const auto& game : season.remaining) {
        if (game.week != season.nextWeek()) {
            break;
        }
        int row = grid.addRow();
        const auto& visitor = season.names[static_cast<size_t>(game.visitor)];
        const auto& home = season.names[static_cast<size_t>(game.home)];
        grid.set(row, 0, visitor);
        grid.set(row, 1, home);
        grid.set(row, 2,
                 game.homeMargin == 0.0
                     ? "even"
                     : cformat("%s by %.0f", (game.homeMargin > 0 ? home : visitor).c_str(),
                               std::abs(game.homeMargin)));
        grid.set(row, 3, percentText(1.0 - game.homeChance));
        grid.set(row, 4, percentText(game.homeChance));
    }
    return grid;
}

std::string outlookCsv(const OutlookSeason& season, const OutlookFigures& figures) {
    std::string csv = "conference,division,team,wins,losses,ties,seed,p_division,p_playoffs,"
                      "p_top_seed,mean_wins\n";
    const auto& shape = season.shape;
    for (int conference = 0; conference < shape.conferenceCount(); ++conference) {
        for (int ordinal : shape.conferenceDivisions[static_cast<size_t>(conference)]) {
            for (int team : figures.today.divisionOrder[static_cast<size_t>(ordinal)]) {
                auto index = static_cast<size_t>(team);
                auto record = season.played.record(team);
                int seed = figures.today.seed[index];
                csv += shape.conferenceNames[static_cast<size_t>(conference)] + "," +
                       shape.divisionNames[static_cast<size_t>(ordinal)] + "," +
                       season.names[index] +
                       cformat(",%d,%d,%d,", record.wins(), record.losses(), record.ties) +
                       (seed == 0 ? std::string() : std::to_string(seed));
                if (figures.odds.empty()) {
                    csv += ",,,,\n";
                    continue;
                }
                const auto& odds = figures.odds[index];
                csv += "," + fractionText(odds.division) + "," + fractionText(odds.playoffs) + "," +
                       fractionText(odds.topSeed) + cformat(",%.2f\n", odds.meanWins);
            }
        }
    }
    return csv;
}

std::vector<std::string> outlookFootnotes(const OutlookFigures& figures) {
    std::vector<std::string> notes{
        cformat("Chances: the result spreads normally around the forecast margin, with a "
                "standard deviation of %.1f points; ties %.1f%%.",
                kMarginDeviation, 100.0 * kTieChance)};
    if (!figures.odds.empty()) {
        notes.push_back(cformat("%d simulated seasons, seed %llu: the same seed gives the same "
                                "figures.",
                                figures.runs, static_cast<unsigned long long>(figures.seed)));
    }
    if (figures.today.coinTossed) {
        notes.push_back(cformat("A coin toss broke a tie in today's standings (seed %llu).",
                                static_cast<unsigned long long>(figures.seed)));
    }
    return notes;
}

namespace {

void appendTable(std::vector<std::string>& lines, const GridContent& grid) {
    auto join = [](const std::vector<std::string>& cells) {
        std::string line;
        for (size_t i = 0; i < cells.size(); ++i) {
            line += (i == 0 ? "" : "|") + cells[i];
        }
        return line;
    };
    lines.push_back("{$B}" + join(grid.titles));
    for (const auto& row : grid.rows) {
        lines.push_back(join(row));
    }
}

} // namespace

std::vector<std::string> outlookReportLines(const OutlookSeason& season,
                                            const OutlookFigures& figures) {
    std::vector<std::string> lines;
    for (int conference = 0; conference < season.shape.conferenceCount(); ++conference) {
        if (conference > 0) {
            lines.push_back("\f");
        }
        lines.push_back("{$B}" + season.shape.conferenceNames[static_cast<size_t>(conference)] +
                        ", " + outlookTitle(season));
        lines.push_back("");
        appendTable(lines, conferenceGrid(season, figures, conference, false));
    }
    auto games = nextWeekGrid(season);
    if (games.rowCount() > 0) {
        lines.push_back("");
        lines.push_back("{$B}Week " + std::to_string(season.nextWeek()));
        appendTable(lines, games);
    }
    lines.push_back("");
    for (const auto& note : outlookFootnotes(figures)) {
        lines.push_back(note);
    }
    return lines;
}

std::string outlookTitle(const OutlookSeason& season) {
    if (season.nextWeek() == kNoWeek) {
        return season.seasonLabel + " after the regular season";
    }
    return season.seasonLabel + " before week " + std::to_string(season.nextWeek());
}

} // namespace grd
