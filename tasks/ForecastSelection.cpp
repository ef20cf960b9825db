#include "tasks/ForecastSelection.h"

#include "league/Format.h"
#include "league/SpreadForecast.h"

#include <algorithm>

namespace grd {

namespace {
// Room for games beyond a full week of scheduled ones: the last spread position.
constexpr int kExtraForecasts = 2;
} // namespace

ForecastSelection::ForecastSelection(WeekData data)
    : data_(data), firstNew_(data.state.forecastCount + 1),
      chooseAll_(data.state.forecastCount == 0) {
    full_ = forecastCount() >= capacity();
    doneEnabled_ = full_;
}

std::string ForecastSelection::caption() const {
    if (chooseAll_) {
        return " GRD Oddsmith: Weekly Task: Choose Teams for " +
               data_.playoffWeekName(data_.state.currentWeek - kFirstPlayoffWeek);
    }
    return " GRD Oddsmith: Weekly Task: Choose Teams for Additional Forecasts";
}

int ForecastSelection::favourite(int k) const {
    return data_.state.forecastPairs.at(static_cast<size_t>(2 * k - 1));
}

int ForecastSelection::other(int k) const {
    return data_.state.forecastPairs.at(static_cast<size_t>(2 * k));
}

double ForecastSelection::spread(int k) const {
    return data_.state.spreads.at(static_cast<size_t>(k));
}

bool ForecastSelection::neutral() const {
    return data_.state.currentWeek == kFirstPlayoffWeek + data_.playoffWeekCount() - 1;
}

int ForecastSelection::capacity() const {
    int spreads = static_cast<int>(data_.state.spreads.size()) - 1;
    int pairs = (static_cast<int>(data_.state.forecastPairs.size()) - 1) / 2;
    return std::max(0, std::min({data_.maxGamesPerWeek() + kExtraForecasts, spreads, pairs}));
}

// The number of forecasts that fills the list: the games of the playoff week being
// forecast, otherwise as many as there is room for.
int ForecastSelection::wanted() const {
    int week = data_.state.currentWeek;
    if (week >= kFirstPlayoffWeek && week <= kFirstPlayoffWeek + data_.playoffWeekCount()) {
        int games = data_.playoffGameCount(week - (kFirstPlayoffWeek - 1));
        if (games > 0) {
            return std::min(games, capacity());
        }
    }
    return capacity();
}

bool ForecastSelection::pick(int team) {
    if (full_ || team < 1 || team > data_.teamCount) {
        return false;
    }
    pair_.pick(team);
    return true;
}

std::optional<Rejection> ForecastSelection::forecastGame() {
    if (full_) {
        return std::nullopt;
    }
    if (auto teams = pair_.check(); !teams) {
        return Rejection{teams.failure(), Rejection::Focus::TeamsGrid, {}};
    }
    auto& state = data_.state;
    int k = ++state.forecastCount;
    state.forecastPairs[static_cast<size_t>(2 * k - 1)] = pair_.first();
    state.forecastPairs[static_cast<size_t>(2 * k)] = pair_.second();
    ForecastGame(data_.rankings, state, neutral());
    gameAccepted_ = true;
    pair_.clear();
    int week = state.currentWeek;
    bool playoffs =
        week >= kFirstPlayoffWeek && week <= kFirstPlayoffWeek + data_.playoffWeekCount();
    if (!playoffs) {
        doneEnabled_ = true;
    }
    if (k >= wanted()) {
        full_ = true;
        doneEnabled_ = true;
    }
    return std::nullopt;
}

int ForecastSelection::cancelQuestion() const {
    if (gameAccepted_) {
        return chooseAll_ ? 6 : 7;
    }
    return chooseAll_ ? 10 : 0;
}

void ForecastSelection::discard() {
    auto& spreads = data_.state.spreads;
    auto from = static_cast<size_t>(std::min<int>(firstNew_, static_cast<int>(spreads.size())));
    std::fill(spreads.begin() + static_cast<std::ptrdiff_t>(from), spreads.end(), kNoSpread);
    data_.state.forecastCount = firstNew_ - 1;
}

SpreadTexts spreadTexts(double spread) {
    if (spread == 0.0) {
        return {" vs", "", " Even"};
    }
    return {" over", " by", cformat("%5.1f", spread)};
}

} // namespace grd
