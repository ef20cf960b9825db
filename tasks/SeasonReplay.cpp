#include "tasks/SeasonReplay.h"

#include "league/FileNames.h"
#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/RankingsFile.h"
#include "tasks/RecordsCheck.h"
#include "tasks/ReplayHost.h"
#include "tasks/WeeklyTask.h"

#include <algorithm>
#include <filesystem>

namespace grd {

int nextEntry(int currentWeek, int forecastCount, int regularWeeks) {
    if (currentWeek == 1 && forecastCount == 0) {
        return 0;
    }
    if (currentWeek >= kFirstPlayoffWeek) {
        return currentWeek - kFirstPlayoffWeek + regularWeeks + 1;
    }
    return currentWeek;
}

std::string describeReplayedWeek(const ReplayedWeek& week, int regularWeeks) {
    std::string text = cformat("entry %2d (", week.entry);
    if (week.entry == 0) {
        text += "week 1 spreads";
    } else if (week.entry <= regularWeeks) {
        text += cformat("week %d scores", week.entry);
    } else {
        text += cformat("playoff week %d scores", week.entry - regularWeeks);
    }
    text += cformat("): %d games posted, %d forecasts made, files written:", week.gamesPosted,
                    week.forecastsMade);
    for (const auto& file : week.filesWritten) {
        text += " " + file;
    }
    return text;
}

namespace {

// Where the main data file stands: its current week and forecast count.
Result<std::pair<int, int>> mainDataWeek(AppState& app) {
    tRankings rankings;
    ProgramState state;
    auto main = findFileIgnoringCase(std::filesystem::path(app.programDir) / kMainDataFileName);
    auto read = ReadRankings(main, kMainDataKind, rankings, state, app.league);
    if (!read) {
        return read.failure();
    }
    return std::pair{static_cast<int>(state.currentWeek), static_cast<int>(state.forecastCount)};
}

bool allScored(const std::vector<const GameRecord*>& week) {
    return !week.empty() &&
           std::all_of(week.begin(), week.end(), [](const auto* game) { return game->scored(); });
}

} // namespace

std::map<std::string, int> teamsByAbbreviation(const LeagueStructure& league,
                                               const std::vector<std::string>& abbreviations) {
    std::map<std::string, int> teams;
    const auto* alignment = league.active();
    for (int team = 1; alignment != nullptr && team <= alignment->teamCount; ++team) {
        auto index = NameIndexOfTeam(league, team);
        if (index >= 0 && index < static_cast<int>(abbreviations.size())) {
            teams[abbreviations[static_cast<size_t>(index)]] = team;
        }
    }
    return teams;
}

Result<int> replaySeason(AppState& app, const std::vector<GameRecord>& records,
                         const std::vector<std::string>& abbreviations, std::optional<int> through,
                         const std::function<bool(const ReplayedWeek&)>& report) {
    // The main data file chooses the alignment, and with it the team numbers.
    if (auto standing = mainDataWeek(app); !standing) {
        return standing.failure();
    }
    auto teams = teamsByAbbreviation(app.league, abbreviations);
    if (Status checked = checkRecordsForReplay(app, records, teams); !checked) {
        return checked.failure();
    }
    ReplayHost host(app, records, std::move(teams));
    WeeklyTask task(app, host);
    // Each week makes a new archive; the folder may hold decades of them.
    FolderListingScope listOnce;
    int weeksDone = 0;
    while (true) {
        auto standing = mainDataWeek(app);
        if (!standing) {
            return standing.failure();
        }
        int weeks = app.league.regularWeekCount();
        const auto* alignment = app.league.active();
        int playoffs = alignment == nullptr ? 0 : alignment->playoffWeekCount();
        int entry = nextEntry(standing.value().first, standing.value().second, weeks);
        if (entry > weeks + playoffs || (through && entry > *through)) {
            return weeksDone;
        }
        if (entry >= 1 && !allScored(recordsOfWeek(records, entry))) {
            return weeksDone;
        }
        host.setEntry(entry);
        host.clearProblem();
        task.run();
        if (host.problem()) {
            return *host.problem();
        }
        const auto& state = app.program;
        if (!state.mainDataSaved) {
            return Failure{0, "week entry " + std::to_string(entry) + " was not saved"};
        }
        ReplayedWeek done{entry,
                          state.rankingsUpdated ? state.scoreGameCount : 0,
                          state.forecastCount,
                          {kMainDataFileName}};
        if (state.archiveSaved) {
            bool named = state.currentWeek > kFirstPlayoffWeek;
            done.filesWritten.push_back(
                named ? host.chosenArchive()
                      : std::filesystem::path(
                            ArchiveFileName(app.programDir, state.currentWeek, app.league))
                            .filename()
                            .string());
        }
        ++weeksDone;
        if (!report(done)) {
            return weeksDone;
        }
    }
}

Result<std::vector<int>> entriesToReplay(AppState& app, const std::vector<GameRecord>& records) {
    auto standing = mainDataWeek(app);
    if (!standing) {
        return standing.failure();
    }
    int weeks = app.league.regularWeekCount();
    const auto* alignment = app.league.active();
    int last = weeks + (alignment == nullptr ? 0 : alignment->playoffWeekCount());
    std::vector<int> entries;
    for (int entry = nextEntry(standing.value().first, standing.value().second, weeks);
         entry <= last && (entry == 0 || allScored(recordsOfWeek(records, entry))); ++entry) {
        entries.push_back(entry);
    }
    return entries;
}

std::optional<PartlyScoredWeek> partlyScoredWeek(AppState& app,
                                                 const std::vector<GameRecord>& records) {
    auto standing = mainDataWeek(app);
    if (!standing) {
        return std::nullopt;
    }
    int entry =
        nextEntry(standing.value().first, standing.value().second, app.league.regularWeekCount());
    auto week = recordsOfWeek(records, entry);
    auto scored =
        std::count_if(week.begin(), week.end(), [](const auto* game) { return game->scored(); });
    if (scored == 0 || scored == static_cast<long>(week.size())) {
        return std::nullopt;
    }
    return PartlyScoredWeek{entry, static_cast<int>(scored), static_cast<int>(week.size())};
}

std::string partlyScoredWeekAhead(AppState& app, const std::vector<GameRecord>& records) {
    auto week = partlyScoredWeek(app, records);
    if (!week) {
        return {};
    }
    return cformat("week %d: %d of %d games have scores; stopped before it", week->entry,
                   week->scored, week->games);
}

} // namespace grd
