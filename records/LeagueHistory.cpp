#include "records/LeagueHistory.h"

#include "league/CityForms.h"
#include "league/Format.h"
#include "records/CsvTable.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace grd {

namespace {

constexpr const char* kConferences[] = {"AFC", "NFC"};
// The league lists its divisions in this order; North and Central never coexist.
constexpr const char* kDivisions[] = {"East", "North", "Central", "South", "West"};
// Seasons from which the wild card round grew: none, 2, 4, then 6 games.
constexpr int kPlayoffFormatChanges[] = {1978, 1990, 2020};
constexpr const char* kPlayoffWeekNames[] = {"Wild Card", "Division", "Championship", "Super Bowl"};

std::vector<int32_t> playoffGameCounts(int season) {
    int wildCardGames = season < 1978 ? 0 : season < 1990 ? 2 : season < 2020 ? 4 : 6;
    return {wildCardGames, 4, 2, 1};
}

// The rows of a season in franchise order: the order of team numbers.
std::vector<const TeamEra*> rowsOfSeason(const std::vector<TeamEra>& eras, int season) {
    std::vector<const TeamEra*> rows;
    for (const auto& era : eras) {
        if (era.firstSeason <= season && season <= era.lastSeason) {
            rows.push_back(&era);
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const TeamEra* a, const TeamEra* b) {
        return a->franchise < b->franchise;
    });
    return rows;
}

using NameKey = std::tuple<std::string, std::string, std::string>;

NameKey nameKey(const TeamEra& era) {
    return {era.abbr, era.city, era.team};
}

class NameTable {
public:
    explicit NameTable(const std::vector<TeamEra>& eras) : eras_(eras) {}

    int32_t add(const TeamEra& era) {
        auto [found, added] = codes_.try_emplace(nameKey(era), nextCode());
        if (added) {
            append(found->second, cityForm(era, eras_), era.team, era.abbr);
        }
        return found->second;
    }
    void append(int32_t code, const std::string& city, const std::string& team,
                const std::string& abbr) {
        names_.codes.push_back(code);
        names_.cityNames.push_back(city);
        names_.teamNames.push_back(team);
        names_.shortNames.push_back(abbr);
    }
    int32_t codeOf(const TeamEra& era) const { return codes_.at(nameKey(era)); }
    NamesList& names() { return names_; }

private:
    int32_t nextCode() const { return names_.codes.empty() ? 0 : names_.codes.back() + 1; }
    const std::vector<TeamEra>& eras_;
    std::map<NameKey, int32_t> codes_;
    NamesList names_;
};

NameTable nameTable(const std::vector<TeamEra>& eras, int currentSeason) {
    NameTable table(eras);
    table.append(0, "Unknown", "Unknown", "?");
    table.append(kAfcPlaceholderCode, "AFC", "AFC", "AFC");
    table.append(kNfcPlaceholderCode, "NFC", "NFC", "NFC");
    for (const TeamEra* row : rowsOfSeason(eras, currentSeason)) {
        table.add(*row);
    }
    std::vector<const TeamEra*> older;
    for (const auto& era : eras) {
        older.push_back(&era);
    }
    std::stable_sort(older.begin(), older.end(), [](const TeamEra* a, const TeamEra* b) {
        return std::tie(a->franchise, a->firstSeason) < std::tie(b->franchise, b->firstSeason);
    });
    for (const TeamEra* era : older) {
        table.add(*era);
    }
    return table;
}

int32_t divisionNameIndex(LeagueStructure& league, const std::string& name) {
    auto& names = league.divisionNames;
    auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        names.push_back(name);
        return static_cast<int32_t>(names.size());
    }
    return static_cast<int32_t>(found - names.begin()) + 1;
}

LeagueAlignment alignmentOf(const std::vector<const TeamEra*>& rows, int season,
                            const NameTable& names, LeagueStructure& league) {
    LeagueAlignment a;
    a.firstSeason = season;
    a.teamCount = static_cast<int32_t>(rows.size());
    for (const TeamEra* row : rows) {
        a.teamCodes.push_back(names.codeOf(*row) - 2);
    }
    for (const char* conference : kConferences) {
        LeagueAlignment::Conference divisions;
        std::vector<int32_t> nameIndices;
        for (const char* division : kDivisions) {
            LeagueAlignment::Division teams;
            for (size_t t = 0; t < rows.size(); ++t) {
                if (rows[t]->conference == conference && rows[t]->division == division) {
                    teams.push_back(static_cast<int32_t>(t) + 1);
                }
            }
            if (!teams.empty()) {
                divisions.push_back(teams);
                nameIndices.push_back(
                    divisionNameIndex(league, std::string(conference) + " " + division));
            }
        }
        a.conferences.push_back(divisions);
        a.divisionNameIndex.push_back(nameIndices);
    }
    a.playoffGameCounts = playoffGameCounts(season);
    for (int k = 0; k < a.playoffWeekCount(); ++k) {
        a.playoffWeekChoices.push_back(kFirstPlayoffWeek + k);
    }
    return a;
}

bool sameLeague(const LeagueAlignment& a, const LeagueAlignment& b) {
    return a.conferences == b.conferences && a.teamCodes == b.teamCodes &&
           a.divisionNameIndex == b.divisionNameIndex && a.playoffGameCounts == b.playoffGameCounts;
}

std::vector<int> eraStarts(const std::vector<TeamEra>& eras, int firstSeason, int lastSeason) {
    std::set<int> starts{firstSeason};
    for (const auto& era : eras) {
        starts.insert(era.firstSeason);
        starts.insert(era.lastSeason + 1);
    }
    starts.insert(std::begin(kPlayoffFormatChanges), std::end(kPlayoffFormatChanges));
    std::vector<int> result;
    for (int start : starts) {
        if (start >= firstSeason && start <= lastSeason) {
            result.push_back(start);
        }
    }
    return result;
}

Result<TeamEra> teamEraOf(const CsvTable& table, const CsvTable::Row& row) {
    TeamEra era;
    era.line = row.line;
    era.franchise = table.field(row, "franchise");
    era.abbr = table.field(row, "abbr");
    era.city = table.field(row, "city");
    era.team = table.field(row, "team");
    era.conference = table.field(row, "conference");
    era.division = table.field(row, "division");
    auto first = parseInteger(table.field(row, "first_season"));
    auto last = parseInteger(table.field(row, "last_season"));
    if (!first || !last || *first < 1900 || *last > 2999 || *first > *last) {
        return lineFailure(row.line, "the seasons are not a span of years");
    }
    era.firstSeason = static_cast<int>(*first);
    era.lastSeason = static_cast<int>(*last);
    if (era.franchise.empty() || era.abbr.empty() || era.city.empty() || era.team.empty()) {
        return lineFailure(row.line, "a name is empty");
    }
    auto isOneOf = [](const std::string& value, const auto& list) {
        return std::find(std::begin(list), std::end(list), value) != std::end(list);
    };
    if (!isOneOf(era.conference, kConferences) || !isOneOf(era.division, kDivisions)) {
        return lineFailure(row.line, "unknown conference or division");
    }
    return era;
}

} // namespace

std::string cityForm(const TeamEra& era, const std::vector<TeamEra>& eras) {
    bool shared = std::any_of(eras.begin(), eras.end(), [&](const TeamEra& other) {
        return other.franchise != era.franchise && other.city == era.city &&
               other.firstSeason <= era.lastSeason && era.firstSeason <= other.lastSeason;
    });
    return shared ? sharedCityForm(era.city, era.team) : era.city;
}

Result<std::vector<TeamEra>> parseTeamEras(std::string_view text) {
    auto table = CsvTable::parse(text, {"franchise", "first_season", "last_season", "abbr", "city",
                                        "team", "conference", "division"});
    if (!table) {
        return table.failure();
    }
    std::vector<TeamEra> eras;
    for (const auto& row : table.value().rows()) {
        auto era = teamEraOf(table.value(), row);
        if (!era) {
            return era.failure();
        }
        eras.push_back(std::move(era.value()));
    }
    return eras;
}

Result<LeagueHistory> buildLeagueHistory(const std::vector<TeamEra>& eras, int firstSeason) {
    if (eras.empty()) {
        return Failure{0, "no teams"};
    }
    int lastSeason = 0;
    int currentSeason = 0;
    for (const auto& era : eras) {
        lastSeason = std::max(lastSeason, era.lastSeason);
        currentSeason = std::max(currentSeason, era.firstSeason);
    }
    NameTable names = nameTable(eras, currentSeason);
    LeagueHistory history;
    LeagueStructure& league = history.structure;
    for (int season : eraStarts(eras, firstSeason, lastSeason)) {
        auto rows = rowsOfSeason(eras, season);
        std::set<std::string> franchises;
        for (const TeamEra* row : rows) {
            if (!franchises.insert(row->franchise).second) {
                return lineFailure(row->line,
                                   row->franchise + " plays twice in " + std::to_string(season));
            }
        }
        if (rows.empty()) {
            continue;
        }
        LeagueAlignment alignment = alignmentOf(rows, season, names, league);
        if (!league.alignments.empty() && sameLeague(league.alignments.back(), alignment)) {
            continue;
        }
        league.alignments.push_back(std::move(alignment));
    }
    for (size_t i = 0; i < league.alignments.size(); ++i) {
        league.alignments[i].lastSeason = i + 1 < league.alignments.size()
                                              ? league.alignments[i + 1].firstSeason - 1
                                              : lastSeason;
    }
    std::copy(std::begin(kPlayoffWeekNames), std::end(kPlayoffWeekNames),
              league.playoffWeekNames.begin());
    league.playoffWeekNames[4] = league.playoffWeekNames[5] = "Week__";
    history.names = std::move(names.names());
    return history;
}

bool namedAsToday(const std::vector<TeamEra>& eras, int season) {
    int today = 0;
    for (const auto& era : eras) {
        today = std::max(today, era.firstSeason);
    }
    auto names = [&](int year) {
        std::vector<NameKey> keys;
        for (const TeamEra* row : rowsOfSeason(eras, year)) {
            keys.push_back(nameKey(*row));
        }
        return keys;
    };
    return names(season) == names(today);
}

std::map<std::string, int> teamNumbersOfSeason(const std::vector<TeamEra>& eras, int season) {
    std::map<std::string, int> numbers;
    auto rows = rowsOfSeason(eras, season);
    for (size_t t = 0; t < rows.size(); ++t) {
        numbers[rows[t]->abbr] = static_cast<int>(t) + 1;
    }
    return numbers;
}

std::map<std::string, std::string> conferencesOfSeason(const std::vector<TeamEra>& eras,
                                                       int season) {
    std::map<std::string, std::string> conferences;
    for (const TeamEra* row : rowsOfSeason(eras, season)) {
        conferences[row->abbr] = row->conference;
    }
    return conferences;
}

} // namespace grd
