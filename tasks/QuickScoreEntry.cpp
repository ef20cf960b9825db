#include "tasks/QuickScoreEntry.h"

#include "league/ScorePosting.h"
#include "league/ScoreText.h"

#include <algorithm>

namespace grd {

namespace {

int listAt(const std::vector<int32_t>& list, int position) {
    if (position < 0 || position >= static_cast<int>(list.size())) {
        return kEmptyMark;
    }
    return list[static_cast<size_t>(position)];
}

} // namespace

QuickScoreEntry::QuickScoreEntry(WeekData data)
    : data_(data), gameCount_(std::clamp(data.state.scoreGameCount, 0,
                                         static_cast<int>(data.state.scoreTeams.size() - 1) / 2)),
      sheet_(gameCount_), entering_(gameCount_ > 0) {}

std::string QuickScoreEntry::caption() const {
    int current = data_.state.currentWeek;
    int week = current == kFirstPlayoffWeek ? data_.league.regularWeekCount() : current - 1;
    return " GRD Oddsmith: Weekly Task: Enter Scores for Week " + std::to_string(week);
}

int QuickScoreEntry::team1() const {
    return listAt(data_.state.scoreTeams, position_);
}
int QuickScoreEntry::team2() const {
    return listAt(data_.state.scoreTeams, position_ + 1);
}

std::optional<Rejection> QuickScoreEntry::acceptGame(std::string_view score1,
                                                     std::string_view score2) {
    if (!entering_) {
        return std::nullopt;
    }
    if (auto first = parseScore(score1); !first) {
        return Rejection{first.failure(), Rejection::Focus::ScoreBox1, {}};
    }
    if (auto second = parseScore(score2); !second) {
        return Rejection{second.failure(), Rejection::Focus::ScoreBox2, {}};
    }
    gameAccepted_ = true;
    sheet_.setGame((position_ + 1) / 2 - 1,
                   {team1(), team2(), std::string(score1), std::string(score2)});
    position_ += 2;
    if (position_ > 2 * gameCount_) {
        entering_ = false;
    }
    return std::nullopt;
}

std::optional<Rejection> postSheet(const ScoreSheet& sheet, int rows, WeekData& data) {
    if (auto bad = sheet.firstBadScore(rows)) {
        return Rejection{Failure{-23, {}}, Rejection::Focus::ScoresGrid, *bad};
    }
    auto& scores = data.state.scores;
    for (int row = 0; row < rows && 2 * row + 2 < static_cast<int>(scores.size()); ++row) {
        scores[static_cast<size_t>(2 * row + 1)] = parseScore(sheet.game(row).score1).value();
        scores[static_cast<size_t>(2 * row + 2)] = parseScore(sheet.game(row).score2).value();
    }
    data.state.scoreGameCount = rows;
    if (rows > 0) {
        PostWeekScores(data.rankings, data.state);
    }
    return std::nullopt;
}

std::optional<Rejection> QuickScoreEntry::done() {
    if (entering_) {
        return std::nullopt;
    }
    return postSheet(sheet_, gameCount_, data_);
}

int QuickScoreEntry::cancelQuestion() const {
    return gameAccepted_ ? 9 : 0;
}

void QuickScoreEntry::discard() {
    auto& scores = data_.state.scores;
    std::fill(scores.begin() + (scores.empty() ? 0 : 1), scores.end(), kEmptyMark);
}

} // namespace grd
