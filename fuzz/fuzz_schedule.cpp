// Any bytes, as the decompressed records or as the container of a schedule file, must
// load or fail with the schedule's own error, within bounds; a loaded schedule's
// week ranges and codes must fit what its users index with them.
#include "ContainerInput.h"
#include "league/ScheduleFile.h"

#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>

namespace {

void load(std::string_view records) {
    grd::tSchedule70 schedule;
    grd::LeagueStructure league;
    grd::Status status = grd::parseSchedule(records, "fuzz", schedule, league);
    if (!status) {
        int number = status.failure().number;
        if (number != -20 && number != -4 && number != -5) {
            std::abort();
        }
        return;
    }
    const auto& counts = league.weekGameCounts;
    long long regular = std::accumulate(counts.begin() + 1, counts.end(), 0LL);
    if (counts.empty() || counts[0] + 1 != static_cast<int32_t>(counts.size()) ||
        regular > static_cast<long long>(schedule.games.size()) || schedule.teamCount < 0) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    loadRawAndDecompressed(std::string_view(reinterpret_cast<const char*>(data), size), load);
    return 0;
}
