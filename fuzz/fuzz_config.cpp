// Any bytes as a configuration file must read without fault, keep every byte through
// an edit of the preferences, and read back the values just written.
#include "prefs/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    grd::IniFile ini = grd::IniFile::parse(bytes);
    if (ini.serialize() != bytes)
        std::abort();
    for (const std::string& key : ini.keys("Print"))
        (void)ini.integer("Print", key, 0);
    ini.removeSection("Team");
    ini.setValue("General", "FlyBy", "0");
    ini.setValue("Print", "TeamTitle", bytes.substr(0, 20));
    grd::IniFile again = grd::IniFile::parse(ini.serialize());
    if (again.integer("General", "FlyBy", 1) != 0 ||
        again.value("Print", "TeamTitle") != ini.value("Print", "TeamTitle"))
        std::abort();
    return 0;
}
