#include "outlook/OutlookSeason.h"

#include "accuracy/WinChance.h"
#include "league/FileNames.h"
#include "league/LeagueLookups.h"
#include "league/Messages.h"
#include "league/RankingsFile.h"
#include "league/SpreadForecast.h"
#include "tasks/GameRange.h"

namespace grd {

namespace {

Failure failure(const std::string& why) {
    return Failure{kOutlookError, why};
}

// The archives of weeks 2..N and of the first playoff week hold the regular season's
// scores, each those of the week before.
bool holdsRegularScores(const SeasonArchive& archive, int regularWeeks) {
    return (archive.week >= 2 && archive.week <= regularWeeks) || archive.week == kFirstPlayoffWeek;
}

// A regular week's games played: every team's count in the main data file. Once the
// playoffs begin its counts hold playoff games too, and there is nothing to compare.
Status checkEveryGameArchived(const SeasonTable& played, const tRankings& mainData,
                              int32_t currentWeek, const OutlookSeason& season) {
    if (currentWeek >= kFirstPlayoffWeek) {
        return Ok{};
    }
    for (int team = 1; team <= played.teamCount(); ++team) {
        auto index = static_cast<size_t>(team);
        int counted = index < mainData.teams.size() ? mainData.teams[index].gamesPlayed() : 0;
        if (played.record(team).games != counted) {
            return failure("the archives hold " + std::to_string(played.record(team).games) +
                           " games of the " + season.names[index] + ", the main data file " +
                           std::to_string(counted));
        }
    }
    return Ok{};
}

std::vector<RemainingGame> remainingGames(const tRankings& mainData, int32_t currentWeek,
                                          const LeagueStructure& league,
                                          const tSchedule70& schedule, int teamCount) {
    std::vector<RemainingGame> games;
    for (int week = currentWeek; week <= league.regularWeekCount(); ++week) {
        auto range = gamesOfWeek(league.weekGameCounts, week);
        for (int i = range.first; i < range.last && i < static_cast<int>(schedule.games.size());
             ++i) {
            const auto& game = schedule.games[static_cast<size_t>(i)];
            int visitor = game.visitorCode - 2;
            int home = game.homeCode - 2;
            if (visitor < 1 || visitor > teamCount || home < 1 || home > teamCount) {
                continue;
            }
            auto spread = forecastSpread(mainData.teams[static_cast<size_t>(visitor)].total,
                                         mainData.teams[static_cast<size_t>(home)].total, false);
            double margin = spread.homeFavoured ? spread.points : -spread.points;
            games.push_back({week, visitor, home, margin, winChance(margin)});
        }
    }
    return games;
}

} // namespace

Result<OutlookSeason> outlookSeasonOf(const std::vector<SeasonArchive>& archives,
                                      const tRankings& mainData, int32_t currentWeek,
                                      const LeagueStructure& league, const tSchedule70& schedule) {
    auto shape = leagueShapeOf(league);
    if (!shape) {
        return shape.failure();
    }
    OutlookSeason season;
    season.shape = std::move(shape.value());
    season.regularWeeks = league.regularWeekCount();
    season.currentWeek = currentWeek;
    season.seasonLabel = league.seasonLabel;
    int teams = season.shape.teamCount;
    if (mainData.teamCount != teams || mainData.teams.size() != static_cast<size_t>(teams) + 1) {
        return failure("the main data file holds " + std::to_string(mainData.teamCount) +
                       " teams, the league " + std::to_string(teams));
    }
    season.names.assign(static_cast<size_t>(teams) + 1, std::string());
    for (int team = 1; team <= teams; ++team) {
        season.names[static_cast<size_t>(team)] = FullTeamName(league, team);
    }
    season.played = SeasonTable(teams);
    bool anyScores = false;
    for (const auto& archive : archives) {
        if (!holdsRegularScores(archive, season.regularWeeks)) {
            continue;
        }
        for (const auto& score : archive.scores) {
            season.played.add(score.teamA, score.scoreA, score.teamB, score.scoreB);
            anyScores = true;
        }
    }
    if (!anyScores) {
        return failure("no week of the " + league.seasonLabel + " season has its scores archived");
    }
    if (auto status = checkEveryGameArchived(season.played, mainData, currentWeek, season);
        !status) {
        return status.failure();
    }
    season.remaining = remainingGames(mainData, currentWeek, league, schedule, teams);
    return season;
}

Result<OutlookSeason> readOutlookSeason(const std::string& programDir, LeagueStructure& league,
                                        const tSchedule70& schedule) {
    auto archives = readSeasonArchives(programDir, league.seasonSuffix, league);
    if (!archives) {
        return archives.failure();
    }
    tRankings mainData;
    ProgramState state;
    auto main = findFileIgnoringCase(programDir, kMainDataFileName);
    if (auto status = ReadRankings(main, kMainDataKind, mainData, state, league); !status) {
        return status.failure();
    }
    return outlookSeasonOf(archives.value(), mainData, state.currentWeek, league, schedule);
}

} // namespace grd
