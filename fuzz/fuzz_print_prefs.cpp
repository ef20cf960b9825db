// Any bytes as the print section of the configuration file must read without fault
// into preferences a page can be set up with: bounded font names and titles, font
// sizes that can be drawn, finite margins that are not negative.
#include "prefs/ConfigText.h"
#include "prefs/Preferences.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void checkFont(const grd::FontPrefs& font) {
    if (font.name.empty() || grd::characterCount(font.name) > grd::kMaxFontNameChars ||
        font.size < 1 || font.size > 144) {
        std::abort();
    }
}

template <class Record> void checkPage(const Record& record) {
    checkFont(record.font);
    for (double margin :
         {record.topMargin, record.bottomMargin, record.leftMargin, record.rightMargin}) {
        if (!std::isfinite(margin) || margin < 0) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text = "[Print]\n";
    text.append(reinterpret_cast<const char*>(data), size);
    grd::IniFile ini = grd::IniFile::parse(text);
    for (bool inches : {false, true}) {
        grd::Preferences prefs = grd::ReadPreferences(ini, inches);
        for (const auto& report : prefs.view.reports) {
            checkPage(report);
            if (grd::characterCount(report.title) > 15 ||
                grd::characterCount(report.initials) > 3) {
                std::abort();
            }
        }
        for (const auto& schedule : prefs.view.schedules) {
            checkPage(schedule);
        }
    }
    return 0;
}
