#pragma once

#include "tasks/Rejection.h"
#include "tasks/ScoreSheet.h"
#include "tasks/TeamPair.h"
#include "tasks/WeekData.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grd {

// The step-by-step score entry of the playoff weeks and of "Other": the user picks
// the two teams of each game, then enters its scores; a team used once is out for
// the rest of the week. All games are reviewed before anything is posted.
class SlowScoreEntry {
public:
    explicit SlowScoreEntry(WeekData data);

    std::string caption() const;
    bool entering() const { return entering_; }
    bool gameAccepted() const { return gameAccepted_; }
    bool notDoneShown() const { return notDoneShown_; }
    // "All Games Entered" (captioned "Done" in the review) can be pressed.
    bool allGamesEnabled() const { return allGamesEnabled_; }
    bool isUsed(int team) const;
    const TeamPair& pair() const { return pair_; }
    int lastRow() const { return (position_ - 1) / 2 - 1; }
    // Rows the review lets the user select: the games entered.
    int reviewRows() const { return (position_ - 1) / 2; }
    ScoreSheet& sheet() { return sheet_; }
    const ScoreSheet& sheet() const { return sheet_; }

    // Picks a team from the teams grid; false for a used or unknown team.
    bool pick(int team);
    // "Enter Game Score".
    std::optional<Rejection> enterGame(std::string_view score1, std::string_view score2);
    // "All Games Entered" while entering: the review, with "Not Done" offered.
    void allGamesEntered();
    // "Done" in the review: checks every row and posts the week.
    std::optional<Rejection> done();
    // "Not Done" (also a declined Cancel): back to entering where the week allows
    // more games, the next pick filling the first team.
    void notDone();

    // The question Cancel asks; cancelAnswered tells whether the window closes.
    int cancelQuestion() const;
    bool cancelAnswered(bool yes);

private:
    bool isFinalWeek() const;
    bool isPlayoffScoreWeek() const;
    bool weekComplete() const;
    void startReview(bool offerNotDone);

    WeekData data_;
    ScoreSheet sheet_;
    TeamPair pair_;
    std::vector<bool> used_;
    int position_ = 1;
    bool entering_ = true;
    bool gameAccepted_ = false;
    bool notDoneShown_ = false;
    bool allGamesEnabled_ = false;
};

} // namespace grd
