#include "files/AtomicFile.h"
#include "league/DayCount.h"
#include "league/DecompressedFile.h"
#include "league/Format.h"
#include "league/LeagueLookups.h"
#include "league/Messages.h"
#include "league/NamesFile.h"
#include "league/ScheduleFile.h"
#include "league/StructureLoader.h"
#include "tools/Commands.h"
#include "tools/ToolArgs.h"

#include <cstdio>
#include <filesystem>

namespace grd::tool {

namespace {

constexpr const char* kHelp =
    "usage: grdtool dump FILE\n\n"
    "Prints a data file readably: a schedule (GRDSchedule.ccs) game by game, a names\n"
    "file with each name's code, the league structure alignment by alignment, and a\n"
    "main data or archive file as the text it is.\n";

int failed(const std::string& path, const Failure& failure, const std::string& why = "") {
    std::string message = errorMessage(failure.number);
    message.erase(message.find_last_not_of(' ') + 1);
    std::fprintf(stderr, "grdtool dump: %s: error %d: %s%s\n", path.c_str(), failure.number,
                 message.c_str(), why.empty() ? "" : (" (" + why + ")").c_str());
    return 1;
}

std::string kickoffText(const ScheduledGame& game) {
    CalendarTime t = calendarTimeOf(game.kickoff);
    if (game.kickoffToBeAnnounced()) {
        return cformat("%04d-%02d-%02d   TBA", t.year, t.month, t.day);
    }
    return cformat("%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

// Names the codes when the names file lies beside the schedule.
std::string codeText(const LeagueStructure& names, int32_t code) {
    if (names.cityNames.empty()) {
        return std::to_string(code);
    }
    auto index = static_cast<size_t>(NameIndexOfCode(names, code));
    return cformat("%2d %-13s", code,
                   index < names.cityNames.size() ? names.cityNames[index].c_str() : "?");
}

int dumpSchedule(const std::string& path, std::string_view records) {
    tSchedule70 schedule;
    LeagueStructure league;
    if (Status status = parseSchedule(records, path, schedule, league); !status) {
        return failed(path, status.failure(), status.failure().detail);
    }
    std::string dir = std::filesystem::path(path).parent_path().string() + "/";
    bool named = LoadNames(dir, schedule.namesFileName, league).ok();
    std::printf("Schedule file %s\nTitle: %s\nNames file: %s%s\nDeclared team count: %d\n",
                path.c_str(), schedule.title.c_str(), schedule.namesFileName.c_str(),
                named ? "" : " (not found beside it)", schedule.declaredTeamCount);
    std::printf("Team count: %d, games per week: %d\nSeason: %s (%s)\n", schedule.teamCount,
                schedule.gamesPerWeek, league.seasonLabel.c_str(), league.seasonSuffix.c_str());
    for (size_t k = 0; k < schedule.roundHeadings.size(); ++k) {
        std::printf("Round heading %zu: %s\n", k + 1, schedule.roundHeadings[k].c_str());
    }
    std::printf("Week counts: %s\nGames: %zu\n", schedule.weekCountsText.c_str(),
                schedule.games.size());
    size_t next = 0;
    for (int week = 1; week <= league.regularWeekCount(); ++week) {
        for (int32_t i = 0; i < league.weekGameCounts[static_cast<size_t>(week)]; ++i, ++next) {
            const auto& game = schedule.games[next];
            std::printf("Week %2d  %s at %s  %s\n", week,
                        codeText(league, game.visitorCode).c_str(),
                        codeText(league, game.homeCode).c_str(), kickoffText(game).c_str());
        }
    }
    for (; next < schedule.games.size(); ++next) {
        const auto& game = schedule.games[next];
        if (int heading = game.sectionHeading()) {
            std::printf("-- %s\n",
                        schedule.roundHeadings[static_cast<size_t>(heading) - 1].c_str());
        }
        std::printf("Playoff  %s at %s  %s\n", codeText(league, game.visitorCode).c_str(),
                    codeText(league, game.homeCode).c_str(), kickoffText(game).c_str());
    }
    return 0;
}

int dumpNames(const std::string& path, std::string_view records) {
    LeagueStructure league;
    if (Status status = parseNames(records, path, league); !status) {
        return failed(path, status.failure(), status.failure().detail);
    }
    std::printf("Names file %s: %zu names\n index  code  city name        team name\n",
                path.c_str(), league.cityNames.size());
    for (const auto& pair : league.nameCodes) {
        auto index = static_cast<size_t>(pair.nameIndex);
        std::printf("%6d %5d  %-16s %s\n", pair.nameIndex, pair.code,
                    league.cityNames[index].c_str(), league.teamNames[index].c_str());
    }
    return 0;
}

void printAlignment(const LeagueStructure& league, const LeagueAlignment& a) {
    std::printf("\nSeasons %d-%d: %d teams\n", a.firstSeason, a.lastSeason, a.teamCount);
    for (size_t c = 0; c < a.conferences.size(); ++c) {
        for (size_t d = 0; d < a.conferences[c].size(); ++d) {
            auto index = static_cast<size_t>(a.divisionNameIndex[c][d]);
            std::printf("  %-14s", league.divisionNames[index - 1].c_str());
            for (int32_t team : a.conferences[c][d]) {
                std::printf(" %2d(code %d)", team, a.teamCodes[static_cast<size_t>(team) - 1]);
            }
            std::printf("\n");
        }
    }
    std::printf("  Playoff games per week:");
    for (int32_t games : a.playoffGameCounts) {
        std::printf(" %d", games);
    }
    std::printf("\n");
}

int dumpStructure(const std::string& path, std::string_view text) {
    LeagueStructure league;
    std::string reason;
    auto failures = parseLeagueStructure(text, path, league, &reason);
    if (!failures.empty()) {
        return failed(path, failures.front(), reason);
    }
    std::printf("League structure %s: %zu alignments\n", path.c_str(), league.alignments.size());
    for (const auto& alignment : league.alignments) {
        printAlignment(league, alignment);
    }
    std::printf("\nPlayoff week names:");
    for (const auto& name : league.playoffWeekNames) {
        std::printf(" [%s]", name.c_str());
    }
    std::printf("\n");
    return 0;
}

bool isContainer(std::string_view bytes) {
    return bytes.starts_with("WRZL") || bytes.starts_with("!HZL");
}

} // namespace

int dump(const Args& args) {
    if (wantsHelp(args)) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (args.size() != 1) {
        return usageError("dump", "needs one file", kHelp);
    }
    const std::string& path = args[0];
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        std::fprintf(stderr, "grdtool dump: %s: cannot read the file\n", path.c_str());
        return 1;
    }
    if (bytes.starts_with("GRDS")) {
        return dumpStructure(path, bytes);
    }
    if (!isContainer(bytes)) {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return 0;
    }
    std::string reason;
    auto records = readDecompressed(path, reason);
    if (!records) {
        std::fprintf(stderr, "grdtool dump: %s: %s\n", path.c_str(), reason.c_str());
        return 1;
    }
    if (records->starts_with("CCNames")) {
        return dumpNames(path, *records);
    }
    return dumpSchedule(path, *records);
}

} // namespace grd::tool
