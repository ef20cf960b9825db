#pragma once

#include "league/RankingsFile.h"
#include "state/AppState.h"
#include "support/TempDir.h"
#include "tasks/WeekData.h"
#include "tasks/WeeklyTaskHost.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace grd::test {

// A small league in a temporary program directory: 8 teams in four divisions of two,
// three regular weeks of four games, playoff weeks of 2, 1 and 1 games, season 2024,
// and a main data file standing before week 1 with every team rated 100.
class TaskFixture {
public:
    static constexpr int kTeams = 8;
    static constexpr int kWeeks = 3;
    static constexpr int kPlayoffWeeks = 3;

    TaskFixture();

    AppState app;
    TempDir dir;

    WeekData weekData(int currentWeek);
    // Rewrites the main data file from the state in memory at the given week.
    void writeMainData(int currentWeek);
    bool exists(const std::string& name) const;
};

// The weekly task's questions answered from scripts; every call is logged.
class ScriptedHost : public WeeklyTaskHost {
public:
    std::vector<std::string> log;
    std::vector<Failure> errors;
    std::optional<int> week;
    std::deque<bool> yesNo; // answers in order; Yes when run out
    Reply unsavedReply = Reply::Yes;
    std::function<bool(ScoreEntry)> scores = [](ScoreEntry) { return true; };
    std::function<bool()> forecasts = [] { return true; };
    std::optional<std::string> archiveName; // chosen in the save dialog; none = Cancel
    bool takeOffered = false;               // the dialog's OK on the offered name
    std::string offered;
    AppState* app = nullptr;

    void showError(const Failure& failure) override;
    bool confirmYesNo(int code) override;
    Reply confirmYesNoCancel(int code) override;
    std::optional<int> chooseWeek(int standsAt) override;
    bool confirmQuestion(int code, const Question& question) override;
    int offeredStandsAt = -2;
    std::optional<GameRange> forecastGames(int week) override;
    std::optional<GameRange> scoreGames(int week) override;
    void closeDisplayWindows() override { log.push_back("close"); }
    void setBusy(bool) override {}
    void setCaption(const std::string& caption) override { log.push_back(caption); }
    void layoutAvailable() override {}
    bool enterScores(ScoreEntry kind) override;
    bool chooseForecasts() override;
    void restoreLayout() override { log.push_back("layout"); }
    void printReports() override { log.push_back("print"); }
    std::optional<std::string> archivePath(const std::string& offeredName) override;
    std::optional<std::string> mainDataPath() override {
        log.push_back("save main data as");
        return mainDataName ? std::optional(app->programDir + *mainDataName) : std::nullopt;
    }
    std::optional<std::string> mainDataName; // Save As of a main data file; none = Cancel
    std::vector<std::string> questionTexts;  // of the questions the task composed
};

inline TaskFixture::TaskFixture() {
    app.programDir = dir.dir();
    LeagueAlignment alignment;
    alignment.firstSeason = 2000;
    alignment.lastSeason = 2099;
    alignment.teamCount = kTeams;
    alignment.conferences = {{{1, 2}, {3, 4}}, {{5, 6}, {7, 8}}};
    alignment.divisionNameIndex = {{1, 2}, {3, 4}};
    for (int team = 1; team <= kTeams; ++team) {
        alignment.teamCodes.push_back(team);
    }
    alignment.playoffWeekChoices = {1, 2, 3};
    alignment.playoffGameCounts = {2, 1, 1};
    auto& league = app.league;
    league.alignments = {alignment};
    league.activeAlignment = 0;
    league.divisionNames = {"East", "West", "North", "South"};
    league.playoffWeekNames = {"Wild Card", "Championship", "Super Bowl", "Week__", "Week__"};
    league.weekGameCounts = {kWeeks, 4, 4, 4};
    for (int team = 1; team <= kTeams; ++team) {
        league.nameCodes.push_back({team + 2, team});
    }
    league.cityNames = {"",     "Alpha",   "Bravo", "Charlie", "Delta",
                        "Echo", "Foxtrot", "Golf",  "Hotel"};
    league.teamNames = league.cityNames;
    league.seasonLabel = "2024-25";
    league.seasonSuffix = ".24";

    app.schedule = std::make_unique<tSchedule70>();
    // Week w pairs team t with t + w (mod 8) so every week differs.
    for (int week = 1; week <= kWeeks; ++week) {
        for (int game = 0; game < 4; ++game) {
            int visitor = 2 * game + 1;
            int home = (visitor - 1 + 2 * week - 1) % kTeams + 1;
            app.schedule->games.push_back({visitor + 2, home + 2, 0, 45500.0 + week * 7});
        }
    }
    app.schedule->teamCount = kTeams;
    app.schedule->gamesPerWeek = kTeams / 2;
    app.schedule->loaded = true;

    app.rankings = std::make_unique<tRankings>();
    app.rankings->resize(kTeams);
    for (int team = 1; team <= kTeams; ++team) {
        auto& stats = app.rankings->teams[static_cast<size_t>(team)];
        stats.total = 100.0;
        stats.offense = 101.0;
        stats.defense = 99.0;
    }
    writeMainData(1);
    app.rankings.reset();
}

inline void TaskFixture::writeMainData(int currentWeek) {
    app.program.currentWeek = currentWeek;
    auto written = WriteRankings(kMainDataKind, dir.path() / kMainDataFileName, *app.rankings,
                                 app.program, app.league, kTeams);
    if (!written) {
        throw std::runtime_error(written.failure().detail);
    }
    app.program.clearFlags();
}

inline WeekData TaskFixture::weekData(int currentWeek) {
    if (!app.rankings) {
        app.rankings = std::make_unique<tRankings>();
        app.rankings->resize(kTeams);
    }
    app.program.prepareWeekLists(kTeams);
    app.program.currentWeek = currentWeek;
    return {*app.rankings, app.program, app.league, kTeams};
}

inline bool TaskFixture::exists(const std::string& name) const {
    return std::filesystem::exists(dir.path() / name);
}

inline void ScriptedHost::showError(const Failure& failure) {
    errors.push_back(failure);
    log.push_back("error " + std::to_string(failure.number));
}

inline bool ScriptedHost::confirmYesNo(int code) {
    log.push_back("Q" + std::to_string(code));
    if (yesNo.empty()) {
        return true;
    }
    bool answer = yesNo.front();
    yesNo.pop_front();
    return answer;
}

inline WeeklyTaskHost::Reply ScriptedHost::confirmYesNoCancel(int code) {
    log.push_back("unsaved " + std::to_string(code));
    return unsavedReply;
}

inline std::optional<int> ScriptedHost::chooseWeek(int standsAt) {
    log.push_back("choose");
    offeredStandsAt = standsAt;
    return week;
}

inline bool ScriptedHost::confirmQuestion(int code, const Question& question) {
    questionTexts.push_back(question.text);
    return confirmYesNo(code);
}

inline std::optional<GameRange> ScriptedHost::forecastGames(int w) {
    return gamesOfWeek(app->league.weekGameCounts, w);
}

inline std::optional<GameRange> ScriptedHost::scoreGames(int w) {
    return gamesOfWeek(app->league.weekGameCounts, w - 1);
}

inline bool ScriptedHost::enterScores(ScoreEntry kind) {
    log.push_back(kind == ScoreEntry::Quick ? "quick" : "slow");
    return scores(kind);
}

inline bool ScriptedHost::chooseForecasts() {
    log.push_back("forecasts");
    return forecasts();
}

inline std::optional<std::string> ScriptedHost::archivePath(const std::string& offeredName) {
    offered = offeredName;
    log.push_back("save as " + offeredName);
    if (takeOffered) {
        return app->programDir + offeredName;
    }
    if (!archiveName) {
        return std::nullopt;
    }
    return app->programDir + *archiveName;
}

} // namespace grd::test
