#pragma once

#include "outlook/OutlookSeason.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace grd {

// The chance of a tie in a simulated game.
inline constexpr double kTieChance = 0.003;
inline constexpr int kDefaultRuns = 20000;

// One team's figures over the simulated seasons.
struct TeamOdds {
    double meanWins = 0.0;
    double division = 0.0; // chance to win its division
    double playoffs = 0.0; // chance to be in the field
    double topSeed = 0.0;
    std::vector<double> seeds; // entry s - 1: the chance of seed s
};

// How a simulation is run and followed: progress counts runs done; setting cancel
// stops it between blocks of runs.
struct SimulationControl {
    int runs = kDefaultRuns;
    uint64_t seed = 1;
    int threads = 0; // 0: one per core
    std::atomic<int> done{0};
    std::atomic<bool> cancel{false};
};

// Plays the rest of the regular season control.runs times from the forecasts of the
// remaining games, held fixed, and ranks each outcome by the league's procedure. Run r
// draws from a generator seeded by the seed and r alone, so the figures do not depend
// on the number of threads. By team number (entry 0 unused); none when cancelled.
std::optional<std::vector<TeamOdds>> simulateSeason(const OutlookSeason& season,
                                                    SimulationControl& control);

} // namespace grd
