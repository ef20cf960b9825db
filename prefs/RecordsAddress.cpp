#include "prefs/RecordsAddress.h"

#include "prefs/ConfigText.h"
#include "records/PublicRecords.h"

#include <cstdlib>

namespace grd {

namespace {

constexpr std::string_view kSection = "Records";
constexpr std::string_view kKey = "Address";
// Browsers and servers refuse longer addresses.
constexpr std::size_t kMaxAddressChars = 2000;

} // namespace

std::string recordsAddress(const IniFile& config) {
    if (const char* variable = std::getenv(kRecordsAddressVariable);
        variable != nullptr && *variable != '\0') {
        return variable;
    }
    std::string configured =
        limitedText(config, kSection, kKey, "", kMaxAddressChars).value_or(std::string());
    return configured.empty() ? std::string(kPublicRecordsAddress) : configured;
}

void keepRecordsAddress(IniFile& config, std::string_view address) {
    if (address == kPublicRecordsAddress && !config.value(kSection, kKey)) {
        return;
    }
    config.setValue(kSection, kKey, address);
}

} // namespace grd
