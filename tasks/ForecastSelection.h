#pragma once

#include "tasks/Rejection.h"
#include "tasks/TeamPair.h"
#include "tasks/WeekData.h"

#include <optional>
#include <string>

namespace grd {

// The forecast team selection: the user puts games together from two picked teams
// and each is forecast at once. It either adds games to the scheduled forecasts or,
// when the list starts empty (the playoffs, "Other"), makes all of them.
class ForecastSelection {
public:
    explicit ForecastSelection(WeekData data);

    std::string caption() const;
    bool chooseAll() const { return chooseAll_; }
    bool gameAccepted() const { return gameAccepted_; }
    bool full() const { return full_; }
    bool doneEnabled() const { return doneEnabled_; }
    int helpContext() const { return chooseAll_ ? 900 : 360; }
    const TeamPair& pair() const { return pair_; }
    int forecastCount() const { return data_.state.forecastCount; }
    // The games, favourite first, and spreads of forecast k (1-based).
    int favourite(int k) const;
    int other(int k) const;
    double spread(int k) const;
    // The week's final is played on a neutral field: no home advantage there.
    bool neutral() const;

    // Picks a team; any team may appear in several forecasts.
    bool pick(int team);
    // "Forecast Game": forecasts the picked pair, the second team at home.
    std::optional<Rejection> forecastGame();

    // The question Cancel asks (0: none); discard() drops the forecasts added here.
    int cancelQuestion() const;
    void discard();

private:
    int capacity() const;
    int wanted() const;

    WeekData data_;
    TeamPair pair_;
    int firstNew_;
    bool chooseAll_;
    bool gameAccepted_ = false;
    bool full_ = false;
    bool doneEnabled_ = false;
};

// A forecast as the forecast list and the spreads reports show it: the favourite,
// " over" or " vs", the other team, " by" or nothing, and the spread or " Even".
struct SpreadTexts {
    std::string relation;
    std::string by;
    std::string spread;
};
SpreadTexts spreadTexts(double spread);

} // namespace grd
