#include "accuracy/SeasonAccuracy.h"

#include <algorithm>

namespace grd {

int SeasonAccuracy::unplayedCount() const {
    int count = 0;
    for (const auto& week : weeks) {
        count += week.unplayedCount();
    }
    return count;
}

SeasonAccuracy seasonAccuracy(const std::vector<SeasonArchive>& archives, int regularWeeks) {
    SeasonAccuracy result;
    for (const auto& forecasts : archives) {
        if (forecasts.forecasts.empty()) {
            continue;
        }
        auto next = weekAfter(forecasts.week, regularWeeks);
        auto scores = std::find_if(archives.begin(), archives.end(),
                                   [next](const SeasonArchive& a) { return a.week == next; });
        if (scores == archives.end()) {
            continue;
        }
        auto week = pairWeek(forecasts.week, forecasts.forecasts, scores->scores);
        week.forecastFile = forecasts.fileName;
        week.scoresFile = scores->fileName;
        result.season += week.tally;
        result.weeks.push_back(std::move(week));
    }
    return result;
}

Result<SeasonAccuracy> readSeasonAccuracy(const std::string& programDir, LeagueStructure& league) {
    auto archives = readSeasonArchives(programDir, league.seasonSuffix, league);
    if (!archives) {
        return archives.failure();
    }
    return seasonAccuracy(archives.value(), league.regularWeekCount());
}

} // namespace grd
