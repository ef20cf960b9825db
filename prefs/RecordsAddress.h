#pragma once

#include "prefs/IniFile.h"

#include <string>
#include <string_view>

namespace grd {

// Stands in for every other address: a mirror, or a test server.
inline constexpr const char* kRecordsAddressVariable = "GRDODDS_RECORDS_URL";

// The address game records are fetched from: the environment's kRecordsAddressVariable,
// else the configuration's [Records] Address, else the public address. A configured
// address longer than any address is damage and is passed over.
std::string recordsAddress(const IniFile& config);

// Keeps address as the configuration's, so that the next fetch starts from it; the
// public address adds no key to a file that has none.
void keepRecordsAddress(IniFile& config, std::string_view address);

} // namespace grd
