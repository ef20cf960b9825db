// Any bytes, as the decompressed records or as the container of a names file, must
// load or fail with the names file's own error, within bounds; loaded names must give
// a name for every code the lookup returns.
#include "ContainerInput.h"
#include "league/LeagueLookups.h"
#include "league/NamesFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void load(std::string_view records) {
    grd::LeagueStructure league;
    grd::Status status = grd::parseNames(records, "fuzz", league);
    if (!status) {
        int number = status.failure().number;
        if (number != -27 && number != -2 && number != -3) {
            std::abort();
        }
        return;
    }
    if (league.cityNames.size() != league.teamNames.size() ||
        league.nameCodes.size() != league.cityNames.size()) {
        std::abort();
    }
    for (const auto& pair : league.nameCodes) {
        auto index = static_cast<size_t>(grd::NameIndexOfCode(league, pair.code));
        if (index >= league.cityNames.size()) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    loadRawAndDecompressed(std::string_view(reinterpret_cast<const char*>(data), size), load);
    return 0;
}
