#include "tasks/SlowScoreEntry.h"

#include "league/ScoreText.h"
#include "tasks/QuickScoreEntry.h"

#include <algorithm>

namespace grd {

SlowScoreEntry::SlowScoreEntry(WeekData data)
    : data_(data), sheet_(data.maxGamesPerWeek()),
      used_(static_cast<size_t>(std::max(0, data.teamCount)) + 1, false) {
    auto& teams = data_.state.scoreTeams;
    std::fill(teams.begin() + (teams.empty() ? 0 : 1), teams.end(), kEmptyMark);
}

std::string SlowScoreEntry::caption() const {
    return " GRD Oddsmith: Weekly Task: Enter Scores for " +
           data_.playoffWeekName(data_.state.currentWeek - 101);
}

bool SlowScoreEntry::isUsed(int team) const {
    return team >= 1 && team < static_cast<int>(used_.size()) && used_[static_cast<size_t>(team)];
}

bool SlowScoreEntry::isFinalWeek() const {
    return data_.state.currentWeek == kFirstPlayoffWeek + data_.playoffWeekCount();
}

bool SlowScoreEntry::isPlayoffScoreWeek() const {
    int week = data_.state.currentWeek;
    return week > kFirstPlayoffWeek && week <= kFirstPlayoffWeek + data_.playoffWeekCount();
}

bool SlowScoreEntry::weekComplete() const {
    if (position_ >= data_.teamCount ||
        position_ + 1 >= static_cast<int>(data_.state.scoreTeams.size())) {
        return true;
    }
    if (!isPlayoffScoreWeek()) {
        return false;
    }
    int games = data_.playoffGameCount(data_.state.currentWeek - kFirstPlayoffWeek);
    return position_ == 2 * games + 1;
}

bool SlowScoreEntry::pick(int team) {
    if (!entering_ || team < 1 || team > data_.teamCount || isUsed(team)) {
        return false;
    }
    pair_.pick(team);
    return true;
}

std::optional<Rejection> SlowScoreEntry::enterGame(std::string_view score1,
                                                   std::string_view score2) {
    if (!entering_ || position_ + 1 >= static_cast<int>(data_.state.scoreTeams.size())) {
        return std::nullopt;
    }
    if (auto teams = pair_.check(); !teams) {
        return Rejection{teams.failure(), Rejection::Focus::TeamsGrid, {}};
    }
    if (auto first = parseScore(score1); !first) {
        return Rejection{first.failure(), Rejection::Focus::ScoreBox1, {}};
    }
    if (auto second = parseScore(score2); !second) {
        return Rejection{second.failure(), Rejection::Focus::ScoreBox2, {}};
    }
    auto& teams = data_.state.scoreTeams;
    teams[static_cast<size_t>(position_)] = pair_.first();
    teams[static_cast<size_t>(position_ + 1)] = pair_.second();
    gameAccepted_ = true;
    if (data_.state.currentWeek > kFirstPlayoffWeek + data_.playoffWeekCount()) {
        allGamesEnabled_ = true;
    }
    sheet_.setGame((position_ + 1) / 2 - 1,
                   {pair_.first(), pair_.second(), std::string(score1), std::string(score2)});
    used_[static_cast<size_t>(pair_.first())] = true;
    used_[static_cast<size_t>(pair_.second())] = true;
    pair_.clear();
    position_ += 2;
    if (weekComplete()) {
        allGamesEnabled_ = true;
        startReview(false);
    }
    return std::nullopt;
}

void SlowScoreEntry::startReview(bool offerNotDone) {
    notDoneShown_ = offerNotDone;
    data_.state.scoreGameCount = (position_ - 1) / 2;
    entering_ = false;
}

void SlowScoreEntry::allGamesEntered() {
    if (entering_ && allGamesEnabled_) {
        startReview(true);
    }
}

std::optional<Rejection> SlowScoreEntry::done() {
    if (entering_) {
        return std::nullopt;
    }
    return postSheet(sheet_, reviewRows(), data_);
}

void SlowScoreEntry::notDone() {
    notDoneShown_ = false;
    if (!weekComplete() && !isPlayoffScoreWeek()) {
        entering_ = true;
        pair_.restartTurn();
    }
}

int SlowScoreEntry::cancelQuestion() const {
    if (gameAccepted_) {
        return isFinalWeek() ? 13 : 8;
    }
    return isFinalWeek() ? 12 : 11;
}

bool SlowScoreEntry::cancelAnswered(bool yes) {
    if (!gameAccepted_) {
        return yes;
    }
    if (!yes) {
        notDone();
        return false;
    }
    auto& scores = data_.state.scores;
    std::fill(scores.begin() + (scores.empty() ? 0 : 1), scores.end(), kEmptyMark);
    return true;
}

} // namespace grd
