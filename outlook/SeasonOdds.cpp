#include "outlook/SeasonOdds.h"

#include "accuracy/WinChance.h"
#include "outlook/SplitMix.h"
#include "outlook/Standings.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace grd {

namespace {

// Runs are handed to threads in blocks, and progress and cancelling go by block.
constexpr int kBlockRuns = 200;
// The scores of a simulated game: a tie, and the loser's points before half the margin
// comes off them.
constexpr int kTieScore = 20;
constexpr int kLosingScore = 21;

// A small fast generator (splitmix64): its stream depends on its seed alone.
class Generator {
public:
    explicit Generator(uint64_t seed) : state_(seed) {}
    // Uniform in (0, 1).
    double uniform() {
        state_ += 0x9E3779B97F4A7C15ULL;
        return (static_cast<double>(splitMix(state_) >> 11) + 0.5) * 0x1.0p-53;
    }

private:
    uint64_t state_;
};

// The standard normal quantile of p in (0, 1), by Acklam's rational approximation
// (relative error below 1.2e-9): ample for a margin in whole points.
double normalQuantile(double p) {
    static constexpr double a[] = {-3.969683028665376e+01, 2.209460984245205e+02,
                                   -2.759285104469687e+02, 1.383577518672690e+02,
                                   -3.066479806614716e+01, 2.506628277459239e+00};
    static constexpr double b[] = {-5.447609879822406e+01, 1.615858368580409e+02,
                                   -1.556989798598866e+02, 6.680131188771972e+01,
                                   -1.328068155288572e+01};
    static constexpr double c[] = {-7.784894002430293e-03, -3.223964580411365e-01,
                                   -2.400758277161838e+00, -2.549732539343734e+00,
                                   4.374664141464968e+00,  2.938163982698783e+00};
    static constexpr double d[] = {7.784695709041462e-03, 3.224671290700398e-01,
                                   2.445134137142996e+00, 3.754408661907416e+00};
    constexpr double low = 0.02425;
    auto tail = [&](double q) {
        return (((((c[0] * q + c[1]) * q + c[2]) * q + c[3]) * q + c[4]) * q + c[5]) /
               ((((d[0] * q + d[1]) * q + d[2]) * q + d[3]) * q + 1);
    };
    if (p < low) {
        return tail(std::sqrt(-2 * std::log(p)));
    }
    if (p > 1 - low) {
        return -tail(std::sqrt(-2 * std::log(1 - p)));
    }
    double q = p - 0.5;
    double r = q * q;
    return (((((a[0] * r + a[1]) * r + a[2]) * r + a[3]) * r + a[4]) * r + a[5]) * q /
           (((((b[0] * r + b[1]) * r + b[2]) * r + b[3]) * r + b[4]) * r + 1);
}

// Counts over the runs, summed exactly whatever the threads.
struct Tally {
    Tally(int teams, int field)
        : field(field), halfWins(static_cast<size_t>(teams) + 1),
          division(static_cast<size_t>(teams) + 1),
          seeds((static_cast<size_t>(teams) + 1) * static_cast<size_t>(field + 1)) {}

    void add(const SeasonTable& table, const Standings& standings) {
        for (int team = 1; team < static_cast<int>(halfWins.size()); ++team) {
            auto index = static_cast<size_t>(team);
            halfWins[index] += table.record(team).halfWins;
            division[index] += standings.divisionRank[index] == 1 ? 1 : 0;
            ++seeds[index * static_cast<size_t>(field + 1) +
                    static_cast<size_t>(standings.seed[index])];
        }
    }
    Tally& operator+=(const Tally& other) {
        std::transform(halfWins.begin(), halfWins.end(), other.halfWins.begin(), halfWins.begin(),
                       std::plus<>());
        std::transform(division.begin(), division.end(), other.division.begin(), division.begin(),
                       std::plus<>());
        std::transform(seeds.begin(), seeds.end(), other.seeds.begin(), seeds.begin(),
                       std::plus<>());
        return *this;
    }

    int field;
    std::vector<int64_t> halfWins;
    std::vector<int64_t> division;
    std::vector<int64_t> seeds; // by team, then seed 0 (out) .. field
};

// One game by its chance; the margin follows the normal around the forecast that the
// chance comes from, so a win by the favourite is mostly by about its margin.
void playGame(const RemainingGame& game, Generator& generator, SeasonTable& table) {
    double u = generator.uniform();
    if (u < kTieChance) {
        table.add(game.visitor, kTieScore, game.home, kTieScore);
        return;
    }
    double v = (u - kTieChance) / (1 - kTieChance);
    bool homeWins = v < game.homeChance;
    double x = game.homeMargin + kMarginDeviation * normalQuantile(1 - v);
    int margin = std::max(1, static_cast<int>(std::lround(std::abs(x))));
    int loser = std::max(0, kLosingScore - margin / 2);
    int winner = loser + margin;
    table.add(game.visitor, homeWins ? loser : winner, game.home, homeWins ? winner : loser);
}

void playRuns(const OutlookSeason& season, SimulationControl& control, std::atomic<int>& nextBlock,
              Tally& tally) {
    SeasonTable table = season.played;
    for (;;) {
        int first = nextBlock.fetch_add(kBlockRuns);
        if (first >= control.runs || control.cancel.load()) {
            return;
        }
        int last = std::min(control.runs, first + kBlockRuns);
        for (int run = first; run < last; ++run) {
            table = season.played;
            uint64_t runSeed = splitMix(control.seed ^ splitMix(static_cast<uint64_t>(run)));
            Generator generator(runSeed);
            for (const auto& game : season.remaining) {
                playGame(game, generator, table);
            }
            tally.add(table, standingsOf(table, season.shape, runSeed));
        }
        control.done += last - first;
    }
}

std::vector<TeamOdds> oddsOf(const Tally& tally, int runs) {
    std::vector<TeamOdds> odds(tally.halfWins.size());
    auto perRun = [runs](int64_t count) { return static_cast<double>(count) / runs; };
    for (size_t team = 1; team < odds.size(); ++team) {
        auto& figures = odds[team];
        figures.meanWins = perRun(tally.halfWins[team]) / 2;
        figures.division = perRun(tally.division[team]);
        const int64_t* seeds = &tally.seeds[team * static_cast<size_t>(tally.field + 1)];
        for (int seed = 1; seed <= tally.field; ++seed) {
            figures.seeds.push_back(perRun(seeds[seed]));
            figures.playoffs += figures.seeds.back();
        }
        figures.topSeed = figures.seeds.empty() ? 0.0 : figures.seeds.front();
    }
    return odds;
}

} // namespace

std::optional<std::vector<TeamOdds>> simulateSeason(const OutlookSeason& season,
                                                    SimulationControl& control) {
    int teams = season.shape.teamCount;
    int threads = control.threads > 0
                      ? control.threads
                      : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads = std::max(1, std::min(threads, (control.runs + kBlockRuns - 1) / kBlockRuns));
    std::vector<Tally> tallies(static_cast<size_t>(threads), Tally(teams, season.shape.fieldSize));
    std::atomic<int> nextBlock{0};
    std::vector<std::thread> workers;
    for (int i = 1; i < threads; ++i) {
        workers.emplace_back(playRuns, std::cref(season), std::ref(control), std::ref(nextBlock),
                             std::ref(tallies[static_cast<size_t>(i)]));
    }
    playRuns(season, control, nextBlock, tallies.front());
    for (auto& worker : workers) {
        worker.join();
    }
    if (control.cancel.load() || control.runs <= 0) {
        return std::nullopt;
    }
    for (size_t i = 1; i < tallies.size(); ++i) {
        tallies.front() += tallies[i];
    }
    return oddsOf(tallies.front(), control.runs);
}

} // namespace grd
