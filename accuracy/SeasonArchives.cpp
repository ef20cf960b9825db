#include "accuracy/SeasonArchives.h"

#include "files/AtomicFile.h"
#include "league/FileNames.h"
#include "league/RankingsFile.h"

#include <algorithm>
#include <system_error>

namespace grd {

namespace {

namespace fs = std::filesystem;

struct Candidate {
    fs::path path;
    fs::file_time_type written;
};

bool endsWithIgnoringCase(std::string_view text, std::string_view end) {
    return text.size() > end.size() &&
           equalsIgnoringCase(text.substr(text.size() - end.size()), end);
}

// The kind line, the second, of a data file's text.
bool isArchiveText(std::string_view text) {
    auto first = text.find('\n');
    if (first == std::string_view::npos) {
        return false;
    }
    auto line = text.substr(first + 1, text.find('\n', first + 1) - first - 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.remove_suffix(1);
    }
    return line == "AD";
}

std::vector<Candidate> candidates(const fs::path& dir, std::string_view suffix) {
    std::vector<Candidate> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dir, error)) {
        std::error_code entryError;
        if (entry.is_regular_file(entryError) &&
            endsWithIgnoringCase(entry.path().filename().string(), suffix)) {
            found.push_back({entry.path(), entry.last_write_time(entryError)});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Candidate& a, const Candidate& b) { return a.path < b.path; });
    return found;
}

// The week dir's main data file stands at; none without one, which limits nothing.
Result<int32_t> mainDataWeek(const fs::path& dir, const LeagueStructure& league) {
    auto main = findFileIgnoringCase(dir, kMainDataFileName);
    std::error_code error;
    if (!fs::exists(main, error)) {
        return kNoWeek;
    }
    tRankings rankings;
    ProgramState state;
    LeagueStructure scratch = league; // reading it must not change the archives' alignment
    if (auto status = ReadRankings(main, kMainDataKind, rankings, state, scratch); !status) {
        return status.failure();
    }
    return state.currentWeek;
}

} // namespace

int32_t weekAfter(int32_t week, int regularWeeks) {
    return week == regularWeeks ? kFirstPlayoffWeek : week + 1;
}

Result<std::vector<SeasonArchive>> readSeasonArchives(const fs::path& dir, std::string_view suffix,
                                                      LeagueStructure& league) {
    auto lastWeek = mainDataWeek(dir, league);
    if (!lastWeek) {
        return lastWeek.failure();
    }
    std::vector<std::pair<SeasonArchive, fs::file_time_type>> read;
    for (const auto& candidate : candidates(dir, suffix)) {
        std::string text;
        if (!readWholeFile(candidate.path, text)) {
            return Failure{-16, quotedPath(candidate.path.string())};
        }
        if (!isArchiveText(text)) {
            continue;
        }
        tRankings rankings;
        ProgramState state;
        auto status = ParseRankings(text, candidate.path, kArchiveKind, rankings, state, league);
        if (!status) {
            return status.failure();
        }
        if (state.loadedWeek == kNoWeek ||
            (lastWeek.value() != kNoWeek && state.loadedWeek > lastWeek.value())) {
            continue;
        }
        read.push_back({{candidate.path.filename().string(), state.loadedWeek,
                         std::move(rankings.archivedSpreads), std::move(rankings.archivedScores),
                         std::move(rankings.teams)},
                        candidate.written});
    }
    std::stable_sort(read.begin(), read.end(), [](const auto& a, const auto& b) {
        return a.first.week != b.first.week ? a.first.week < b.first.week : a.second < b.second;
    });
    std::vector<SeasonArchive> archives;
    for (auto& [archive, written] : read) {
        if (!archives.empty() && archives.back().week == archive.week) {
            archives.back() = std::move(archive);
        } else {
            archives.push_back(std::move(archive));
        }
    }
    return archives;
}

} // namespace grd
