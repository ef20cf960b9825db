#pragma once

#include "tasks/Rejection.h"
#include "tasks/ScoreSheet.h"
#include "tasks/WeekData.h"

#include <optional>
#include <string>
#include <string_view>

namespace grd {

// The quick score entry of a regular week: the games come from the schedule (the
// week's score list holds their teams), so only the two scores of each game are
// asked for, then all of them are reviewed. Nothing is posted before done().
class QuickScoreEntry {
public:
    explicit QuickScoreEntry(WeekData data);

    std::string caption() const;
    int gameCount() const { return gameCount_; }
    // The teams of the game being entered.
    int team1() const;
    int team2() const;
    bool entering() const { return entering_; }
    bool gameAccepted() const { return gameAccepted_; }
    // The grid row the last accepted game went to.
    int lastRow() const { return (position_ - 1) / 2 - 1; }
    ScoreSheet& sheet() { return sheet_; }
    const ScoreSheet& sheet() const { return sheet_; }

    // "2 Scores OK": takes the two box texts of the game being entered.
    std::optional<Rejection> acceptGame(std::string_view score1, std::string_view score2);
    // "Done": checks every row of the review and posts the week.
    std::optional<Rejection> done();

    // The question Cancel asks first (0: none); discard() empties the scores on Yes.
    int cancelQuestion() const;
    void discard();

private:
    WeekData data_;
    int gameCount_;
    ScoreSheet sheet_;
    int position_ = 1;
    bool entering_; // a week without games has nothing to enter
    bool gameAccepted_ = false;
};

// Fills the scores of the sheet's first rows into the week's score list and posts
// them, or names the first score that is not 0..98.
std::optional<Rejection> postSheet(const ScoreSheet& sheet, int rows, WeekData& data);

} // namespace grd
