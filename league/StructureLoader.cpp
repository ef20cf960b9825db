#include "league/StructureLoader.h"

#include "files/AtomicFile.h"
#include "files/Printable.h"
#include "league/FileNames.h"
#include "league/Format.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>

namespace grd {

namespace {

// Bounds on what a sane league file holds; anything beyond is a damaged file, and
// rejecting it keeps every allocation small.
constexpr int kMaxAlignments = 1000;
constexpr int kMaxTeams = 1000;
constexpr int kMaxConferences = 100;
constexpr int kMaxDivisions = 100;
constexpr int kMaxDivisionNames = 10000;
constexpr int kMaxPlayoffGames = 1000;

struct BadFile : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the file as its loader always did: whole lines for texts; integers skip
// white space and line ends before them, and after the last one a line is to give,
// the rest of that line is dropped.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    int lineNumber() const { return line_; }

    std::string line() {
        if (pos_ >= text_.size()) {
            fail("the file ends early");
        }
        size_t end = text_.find('\n', pos_);
        std::string_view line =
            text_.substr(pos_, end == std::string_view::npos ? end : end - pos_);
        pos_ = end == std::string_view::npos ? text_.size() : end + 1;
        ++line_;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return std::string(line);
    }

    std::vector<int32_t> integers(int count, int32_t low, int32_t high, const char* what) {
        std::vector<int32_t> values;
        for (int i = 0; i < count; ++i) {
            values.push_back(integer(low, high, what));
        }
        // The rest of the line; the last line of a file may lack its line end.
        if (count == 0 || pos_ < text_.size()) {
            line();
        }
        return values;
    }

    int32_t integerLine(int32_t low, int32_t high, const char* what) {
        return integers(1, low, high, what).front();
    }

    [[noreturn]] void fail(const std::string& what) const { failAt(line_ + 1, what); }
    // For what is wrong with the line just read.
    [[noreturn]] void failLastLine(const std::string& what) const { failAt(line_, what); }

private:
    [[noreturn]] static void failAt(int line, const std::string& what) {
        throw BadFile("line " + std::to_string(line) + ": " + what);
    }

    int32_t integer(int32_t low, int32_t high, const char* what) {
        while (pos_ < text_.size() && isBlank(text_[pos_])) {
            if (text_[pos_] == '\n') {
                ++line_;
            }
            ++pos_;
        }
        if (pos_ == text_.size()) {
            fail(std::string("the file ends before ") + what);
        }
        size_t end = pos_;
        while (end < text_.size() && !isBlank(text_[end])) {
            ++end;
        }
        auto value = parseInteger(text_.substr(pos_, end - pos_));
        if (!value) {
            fail(std::string("expected ") + what);
        }
        if (*value < low || *value > high) {
            fail(std::string(what) + " " + std::to_string(*value) + " is out of range");
        }
        pos_ = end;
        return static_cast<int32_t>(*value);
    }

    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 0; // lines consumed so far
};

// The size line of each conference's divisions; together they hold teamCount teams.
std::vector<std::vector<int32_t>> readDivisionSizes(LineReader& in, int32_t teamCount) {
    int conferenceCount = in.integerLine(0, kMaxConferences, "a conference count");
    std::vector<std::vector<int32_t>> sizes;
    int32_t total = 0;
    for (int c = 0; c < conferenceCount; ++c) {
        int divisions = in.integerLine(0, kMaxDivisions, "a division count");
        sizes.push_back(in.integers(divisions, 0, kMaxTeams, "a division size"));
        for (int32_t size : sizes.back()) {
            total += size;
            if (total > teamCount) {
                in.fail("the divisions hold more teams than the team count");
            }
        }
    }
    if (total != teamCount) {
        in.fail("the divisions hold fewer teams than the team count");
    }
    return sizes;
}

// The team line, cut into the divisions; each team number 1..T once.
void readTeams(LineReader& in, const std::vector<std::vector<int32_t>>& sizes, LeagueAlignment& a) {
    auto teams = in.integers(a.teamCount, 1, a.teamCount, "a team number");
    std::vector<bool> seen(static_cast<size_t>(a.teamCount) + 1);
    auto next = teams.begin();
    for (const auto& conferenceSizes : sizes) {
        auto& conference = a.conferences.emplace_back();
        for (int32_t size : conferenceSizes) {
            auto& division = conference.emplace_back(next, next + size);
            next += size;
            for (int32_t team : division) {
                if (seen[static_cast<size_t>(team)]) {
                    in.fail("team " + std::to_string(team) + " is listed twice");
                }
                seen[static_cast<size_t>(team)] = true;
            }
        }
    }
}

void readDivisionNameIndices(LineReader& in, LeagueAlignment& a) {
    int divisionTotal = 0;
    for (const auto& conference : a.conferences) {
        divisionTotal += static_cast<int>(conference.size());
    }
    auto indices = in.integers(divisionTotal, 1, kMaxDivisionNames, "a division name index");
    auto index = indices.begin();
    for (const auto& conference : a.conferences) {
        a.divisionNameIndex.emplace_back(index, index + static_cast<long>(conference.size()));
        index += static_cast<long>(conference.size());
    }
}

LeagueAlignment readAlignment(LineReader& in) {
    LeagueAlignment a;
    a.firstSeason = in.integerLine(INT32_MIN, INT32_MAX, "a first season");
    a.lastSeason = in.integerLine(INT32_MIN, INT32_MAX, "a last season");
    a.teamCount = in.integerLine(0, kMaxTeams, "a team count");
    readTeams(in, readDivisionSizes(in, a.teamCount), a);
    // A code's names are found under code + 2, which must not overflow.
    a.teamCodes = in.integers(a.teamCount, -2, INT32_MAX - 2, "a team code");
    readDivisionNameIndices(in, a);
    int playoffWeeks = in.integerLine(0, kMaxPlayoffWeeks, "a playoff week count");
    a.playoffWeekChoices = in.integers(playoffWeeks, INT32_MIN, INT32_MAX, "a playoff week choice");
    a.playoffGameCounts = in.integers(playoffWeeks, 0, kMaxPlayoffGames, "a playoff game count");
    return a;
}

void checkDivisionNameIndices(const LeagueStructure& league, const LineReader& in) {
    auto count = static_cast<int32_t>(league.divisionNames.size());
    for (const auto& alignment : league.alignments) {
        for (const auto& conference : alignment.divisionNameIndex) {
            for (int32_t index : conference) {
                if (index > count) {
                    in.fail("division name " + std::to_string(index) + " is not in the list");
                }
            }
        }
    }
}

LeagueStructure readStructure(LineReader& in) {
    LeagueStructure league;
    int alignments = in.integerLine(0, kMaxAlignments, "the alignment count");
    for (int i = 0; i < alignments; ++i) {
        league.alignments.push_back(readAlignment(in));
    }
    int names = in.integerLine(0, kMaxDivisionNames, "the division name count");
    for (int i = 0; i < names; ++i) {
        league.divisionNames.push_back(in.line());
    }
    checkDivisionNameIndices(league, in);
    int weekNames = in.integerLine(0, kMaxPlayoffWeekNames, "the playoff week name count");
    for (int i = 0; i < weekNames; ++i) {
        std::string name = in.line();
        if (name.size() > kMaxPlayoffWeekNameLength) {
            in.failLastLine("playoff week name \"" + printable(name) +
                            "\" is longer than 20 characters");
        }
        // A playoff week's archive is named after it.
        if (!isPlainFileName(name)) {
            in.failLastLine("playoff week name \"" + printable(name) + "\" cannot name a file");
        }
        league.playoffWeekNames[static_cast<size_t>(i)] = name;
    }
    league.playoffWeekNames[static_cast<size_t>(weekNames)] = "Week__";
    league.playoffWeekNames[static_cast<size_t>(weekNames) + 1] = "Week__";
    return league;
}

// reason: the line and what is wrong with it, when the file was read.
Failure loadFailed(const std::string& path, const std::string& reason = {}) {
    return {-30, quotedPath(path) + reason + (reason.empty() ? "" : " ") +
                     " -- GRD Oddsmith cannot function without this file. "};
}

// Keeps the fields that other files fill, so a reload does not lose them.
void adoptStructure(LeagueStructure& league, LeagueStructure&& loaded) {
    league.alignments = std::move(loaded.alignments);
    league.divisionNames = std::move(loaded.divisionNames);
    league.playoffWeekNames = std::move(loaded.playoffWeekNames);
    league.activeAlignment = -1;
}

void appendLine(std::string& out, const std::string& line) {
    out += line + "\r\n";
}

template <class List> void appendIntegers(std::string& out, const List& values) {
    std::string line;
    for (int32_t value : values) {
        line += (line.empty() ? "" : " ") + std::to_string(value);
    }
    appendLine(out, line);
}

void appendAlignment(std::string& out, const LeagueAlignment& a) {
    appendIntegers(out, std::vector<int32_t>{a.firstSeason});
    appendIntegers(out, std::vector<int32_t>{a.lastSeason});
    appendIntegers(out, std::vector<int32_t>{a.teamCount});
    appendIntegers(out, std::vector<int32_t>{static_cast<int32_t>(a.conferences.size())});
    std::vector<int32_t> teams;
    for (const auto& conference : a.conferences) {
        appendIntegers(out, std::vector<int32_t>{static_cast<int32_t>(conference.size())});
        std::vector<int32_t> sizes;
        for (const auto& division : conference) {
            sizes.push_back(static_cast<int32_t>(division.size()));
            teams.insert(teams.end(), division.begin(), division.end());
        }
        appendIntegers(out, sizes);
    }
    appendIntegers(out, teams);
    appendIntegers(out, a.teamCodes);
    std::vector<int32_t> indices;
    for (const auto& conference : a.divisionNameIndex) {
        indices.insert(indices.end(), conference.begin(), conference.end());
    }
    appendIntegers(out, indices);
    appendIntegers(out, std::vector<int32_t>{a.playoffWeekCount()});
    appendIntegers(out, a.playoffWeekChoices);
    appendIntegers(out, a.playoffGameCounts);
}

} // namespace

std::vector<Failure> parseLeagueStructure(std::string_view text, const std::string& path,
                                          LeagueStructure& league, std::string* reason) {
    LineReader in(text);
    std::string first = text.empty() ? std::string() : in.line();
    if (first != "GRDS1") {
        if (reason) {
            *reason = "line 1: the first line is not \"GRDS1\"";
        }
        return {{-29, quotedPath(path)}, loadFailed(path)};
    }
    try {
        in.line();
        in.line();
        adoptStructure(league, readStructure(in));
    } catch (const BadFile& bad) {
        if (reason) {
            *reason = bad.what();
        }
        return {loadFailed(path, bad.what())};
    }
    return {};
}

std::vector<Failure> LoadLeagueStructure(const std::string& programDir, LeagueStructure& league) {
    std::string path = findFileIgnoringCase(programDir, kStructureFileName).string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return {{-32, quotedPath(path)}, loadFailed(path)};
    }
    std::string text;
    if (!readWholeFile(path, text)) {
        return {loadFailed(path)};
    }
    return parseLeagueStructure(text, path, league);
}

std::string leagueStructureText(const LeagueStructure& league) {
    std::string out;
    appendLine(out, "GRDS1");
    appendLine(out, "GRD Oddsmith league structure");
    appendLine(out, "Alignments, division names and playoff week names");
    appendLine(out, std::to_string(league.alignments.size()));
    for (const auto& alignment : league.alignments) {
        appendAlignment(out, alignment);
    }
    appendLine(out, std::to_string(league.divisionNames.size()));
    for (const auto& name : league.divisionNames) {
        appendLine(out, name);
    }
    size_t count = 0;
    while (count < kMaxPlayoffWeekNames && !league.playoffWeekNames[count].empty() &&
           league.playoffWeekNames[count] != "Week__") {
        ++count;
    }
    appendLine(out, std::to_string(count));
    for (size_t i = 0; i < count; ++i) {
        appendLine(out, league.playoffWeekNames[i]);
    }
    return out;
}

} // namespace grd
