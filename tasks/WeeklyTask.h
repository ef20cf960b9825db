#pragma once

#include "state/AppState.h"
#include "tasks/WeeklyTaskHost.h"

#include <optional>
#include <string>

namespace grd {

// The weekly task: one week from the week choice to the saved files, and the save
// operations it shares with the close query, File | Revert and View.
class WeeklyTask {
public:
    WeeklyTask(AppState& app, WeeklyTaskHost& host) : app_(app), host_(host) {}

    // The main command (Tasks | Weekly and the quick button).
    void run();

    bool HasUnsavedData() const { return app_.program.hasUnsavedData(); }
    // Offers to save unsaved results: Yes saves, Cancel also when a save dialog was
    // cancelled.
    WeeklyTaskHost::Reply AskSaveUnsaved();
    // Writes the week's archive under its week number, then the main data file.
    void SaveWeek();
    // The same, the archive under a name the user confirms; Cancel writes nothing.
    WeeklyTaskHost::Reply SaveWeekAs();

    // The question code AskSaveUnsaved asks with (101, 102 or 103).
    int unsavedQuestion() const;
    // The archive name SaveWeekAs offers: the playoff week just scored and the season
    // suffix, or nothing past the season.
    std::string offeredArchiveName() const;

    // The new current week of a week-chooser entry.
    static int currentWeekOfEntry(int entry, int regularWeeks);

private:
    std::optional<int> entryOfMainData() const;
    bool mayEnterAgain(int entry, std::optional<int> standsAt);
    bool loadWeek(int entry);
    void fillGames(std::vector<int32_t>& list, std::optional<GameRange> range);
    void finishWeek();
    bool countAsScheduledWeek();
    bool saveQuestion(int code, bool saveAs);
    void writeWeek(const std::string& archivePath);
    bool mayWriteMainData();
    int regularWeeks() const { return app_.league.regularWeekCount(); }
    int playoffWeeks() const;

    AppState& app_;
    WeeklyTaskHost& host_;
    int32_t weekOnDisk_ = kNoWeek; // the week the main data file stood at when read
};

// Counts the games of a week list: the pairs before the first empty second entry,
// looking up to position T; a list with no empty pair counts T / 2.
int32_t countGames(const std::vector<int32_t>& list, int32_t teamCount);

} // namespace grd
