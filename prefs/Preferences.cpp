#include "prefs/Preferences.h"

#include "league/Format.h"
#include "prefs/ConfigText.h"
#include "prefs/IniFile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace grd {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr int kReadFailure = -13;
constexpr int kSaveFailure = -12;
constexpr std::string_view kGeneral = "General";
constexpr std::string_view kView = "View";
constexpr std::string_view kPrint = "Print";

// Font sizes outside this range cannot be drawn sensibly and come from a damaged file.
constexpr long long kMinFontSize = 1;
constexpr long long kMaxFontSize = 144;
constexpr std::size_t kMaxTitleChars = 15;
constexpr std::size_t kMaxInitialsChars = 3;

enum Margin { Top, Bottom, Left, Right };
constexpr std::array<std::string_view, 4> kMarginKeys = {"TMargin", "BMargin", "LMargin",
                                                         "RMargin"};

// The keys and defaults of one print record. -1: the record has no such key.
struct PrintDefaults {
    std::string_view prefix;
    int fontSize;
    bool landscape;
    std::array<std::string_view, 4> margins;
    std::array<double, 4> fallbacks;
    int vertLines;
    int rowHighlight;
    int frame;
    bool hasInitials;
};

constexpr std::array<PrintDefaults, kReportPrefsCount> kReports = {{
    {"Team",
     14,
     false,
     {"25.4", "25.4", "19.05", "12.7"},
     {25.4, 25.4, 25.4, 25.4},
     1,
     0,
     1,
     false},
    {"Div", 12, false, {"12.7", "6.35", "25.4", "25.4"}, {12.7, 12.7, 25.4, 25.4}, 1, 1, 1, false},
    {"Cat", 9, true, {"25.4", "25.4", "10.16", "6.35"}, {25.4, 25.4, 12.7, 12.7}, 0, 0, 1, false},
    {"SpreadsPlain",
     14,
     false,
     {"25.4", "25.4", "19.05", "19.05"},
     {25.4, 25.4, 12.7, 12.7},
     -1,
     -1,
     0,
     false},
    {"SpreadsGrid",
     14,
     false,
     {"25.4", "25.4", "19.05", "19.05"},
     {25.4, 25.4, 12.7, 12.7},
     -1,
     -1,
     1,
     true},
    {"ArchiveSpreadsPlain",
     14,
     false,
     {"25.4", "25.4", "19.05", "19.05"},
     {25.4, 25.4, 25.4, 25.4},
     -1,
     -1,
     0,
     false},
    {"ArchiveSpreadsGrid",
     14,
     false,
     {"25.4", "25.4", "19.05", "19.05"},
     {25.4, 25.4, 25.4, 25.4},
     -1,
     -1,
     1,
     true},
    {"ArchiveScores",
     14,
     false,
     {"25.4", "25.4", "25.4", "25.4"},
     {25.4, 25.4, 25.4, 25.4},
     -1,
     -1,
     1,
     false},
}};

constexpr std::array<PrintDefaults, kSchedulePrefsCount> kSchedules = {{
    {"Sched1Col",
     12,
     false,
     {"19.05", "19.05", "25.4", "25.4"},
     {25.4, 25.4, 25.4, 25.4},
     -1,
     -1,
     -1,
     false},
    {"Sched2Col",
     9,
     false,
     {"19.05", "19.05", "19.05", "19.05"},
     {25.4, 20.32, 25.4, 19.05},
     -1,
     -1,
     -1,
     false},
    {"Sched3Col",
     7,
     false,
     {"12.7", "6.35", "8.89", "6.35"},
     {19.05, 15.24, 19.05, 17.78},
     -1,
     -1,
     -1,
     false},
}};

// An on/off setting of a record, its key and its default: one row per setting, read
// and written alike.
template <class Record> struct Flag {
    std::string_view section;
    std::string_view key;
    bool fallback;
    bool Record::*field;
};

// Keys are found ignoring case; this spelling is the one written.
constexpr std::array<Flag<GeneralPrefs>, 4> kGeneralFlags = {{
    {kGeneral, "FlyBy", true, &GeneralPrefs::flyby},
    {kGeneral, "Toolbar", true, &GeneralPrefs::toolbar},
    {kGeneral, "StatusLine", true, &GeneralPrefs::statusLine},
    {kGeneral, "Welcome", true, &GeneralPrefs::welcome},
}};

constexpr std::array<Flag<tPrefsRec>, 16> kViewFlags = {{
    {kView, "TeamToolbar", true, &tPrefsRec::teamToolbar},
    {kView, "CatToolbar", true, &tPrefsRec::catToolbar},
    {kView, "SchedToolbar", true, &tPrefsRec::schedToolbar},
    {kView, "CityNames", true, &tPrefsRec::cityNames},
    {kView, "GridVertLines", true, &tPrefsRec::vertLines},
    {kView, "GridHorzLines", true, &tPrefsRec::horzLines},
    {kView, "GridHighlight", true, &tPrefsRec::rowHighlight},
    {kView, "TileVert", false, &tPrefsRec::tileVert},
    {kPrint, "Team", true, &tPrefsRec::reportTeam},
    {kPrint, "Div", true, &tPrefsRec::reportDiv},
    {kPrint, "Cat", true, &tPrefsRec::reportCat},
    {kPrint, "SpreadsPlain", false, &tPrefsRec::reportSpreadsPlain},
    {kPrint, "SpreadsGrid", true, &tPrefsRec::reportSpreadsGrid},
    {kPrint, "ArchiveSpreadsGrid", true, &tPrefsRec::reportArchiveSpreadsGrid},
    {kPrint, "ArchiveSpreadsPlain", false, &tPrefsRec::reportArchiveSpreadsPlain},
    {kPrint, "ArchiveScores", true, &tPrefsRec::reportArchiveScores},
}};

template <class Record, std::size_t N>
void readFlags(const IniFile& ini, const std::array<Flag<Record>, N>& flags, Record& r) {
    for (const Flag<Record>& f : flags)
        r.*f.field = ini.boolean(f.section, f.key, f.fallback);
}

template <class Record, std::size_t N>
void writeFlags(IniFile& ini, const std::array<Flag<Record>, N>& flags, const Record& r) {
    for (const Flag<Record>& f : flags)
        ini.setBoolean(f.section, f.key, r.*f.field);
}

std::string key(std::string_view prefix, std::string_view suffix) {
    return std::string(prefix) + std::string(suffix);
}

// At most maxChars characters of UTF-8 text, never cutting one in two.
std::string truncateChars(std::string text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++chars > maxChars) {
            text.resize(i);
            break;
        }
    }
    return text;
}

// A string of the print section; its default when the value is too long to be one.
std::string boundedText(const IniFile& ini, const std::string& key, std::string_view fallback) {
    return limitedText(ini, kPrint, key, fallback, kMaxConfigTextChars)
        .value_or(std::string(fallback));
}

FontPrefs readFont(const IniFile& ini, std::string_view section, std::string_view nameKey,
                   std::string_view prefix, int32_t defaultSize) {
    FontPrefs font;
    std::string name = limitedText(ini, section, nameKey, "Arial", kMaxFontNameChars).value_or("");
    font.name = name.empty() ? "Arial" : name;
    long long size = ini.integer(section, key(prefix, "FontSize"), defaultSize);
    font.size =
        size >= kMinFontSize && size <= kMaxFontSize ? static_cast<int32_t>(size) : defaultSize;
    long long colour = ini.integer(section, key(prefix, "FontColor"), 0);
    bool colourFits = colour >= std::numeric_limits<int32_t>::min() &&
                      colour <= std::numeric_limits<int32_t>::max();
    font.colour = colourFits ? static_cast<int32_t>(colour) : 0;
    font.style = static_cast<int32_t>(ini.integer(section, key(prefix, "FontStyle"), 0) & 0xF);
    return font;
}

void writeFont(IniFile& ini, std::string_view section, std::string_view nameKey,
               std::string_view prefix, const FontPrefs& font) {
    ini.setValue(section, nameKey, font.name);
    ini.setInteger(section, key(prefix, "FontSize"), font.size);
    ini.setInteger(section, key(prefix, "FontColor"), font.colour);
    ini.setInteger(section, key(prefix, "FontStyle"), font.style);
}

// The fields common to report and schedule records.
template <class Record>
void readPageSetup(const IniFile& ini, const PrintDefaults& d, bool inches, Record& r) {
    r.font = readFont(ini, kPrint, key(d.prefix, "Font"), d.prefix, d.fontSize);
    r.landscape = ini.boolean(kPrint, key(d.prefix, "Orientation"), d.landscape);
    std::array<double*, 4> margins = {&r.topMargin, &r.bottomMargin, &r.leftMargin, &r.rightMargin};
    for (std::size_t m = 0; m < margins.size(); ++m) {
        // A value too long to be a number is not one: the fallback.
        std::string text = limitedText(ini, kPrint, key(d.prefix, kMarginKeys[m]), d.margins[m],
                                       kMaxConfigTextChars)
                               .value_or("");
        *margins[m] = ParseMargin(text, d.fallbacks[m], inches);
    }
    r.inches = inches;
}

ReportPrintPrefs readReport(const IniFile& ini, const PrintDefaults& d, bool inches) {
    ReportPrintPrefs r;
    readPageSetup(ini, d, inches, r);
    r.verticalLines =
        d.vertLines >= 0 && ini.boolean(kPrint, key(d.prefix, "VertLines"), d.vertLines != 0);
    r.highlightRows = d.rowHighlight >= 0 &&
                      ini.boolean(kPrint, key(d.prefix, "RowHighlight"), d.rowHighlight != 0);
    r.frameReport = ini.boolean(kPrint, key(d.prefix, "Frame"), d.frame != 0);
    r.dateTitle = ini.boolean(kPrint, key(d.prefix, "DateTitle"), true);
    r.title = truncateChars(boundedText(ini, key(d.prefix, "Title"), "Your Name"), kMaxTitleChars);
    if (d.hasInitials)
        r.initials =
            truncateChars(boundedText(ini, key(d.prefix, "Initials"), "YOU"), kMaxInitialsChars);
    return r;
}

Preferences readAll(const IniFile& ini, bool inches) {
    Preferences p;
    readFlags(ini, kGeneralFlags, p.general);
    tPrefsRec& v = p.view;
    readFlags(ini, kViewFlags, v);
    v.font = readFont(ini, kView, "FontName", "", 10);
    for (std::size_t k = 0; k < kReports.size(); ++k)
        v.reports[k] = readReport(ini, kReports[k], inches);
    for (std::size_t c = 0; c < kSchedules.size(); ++c)
        readPageSetup(ini, kSchedules[c], inches, v.schedules[c]);
    return p;
}

// The settings that replace everything when the file cannot be read.
Preferences fallbackPreferences(bool inches) {
    Preferences p;
    // Read before the failure in a file read line by line; here nothing was read.
    p.general.welcome = false;
    p.view.teamToolbar = p.view.catToolbar = p.view.schedToolbar = false;
    p.view.vertLines = p.view.horzLines = false;
    double margin = inches ? 19.05 / kMmPerInch : 19.05;
    for (ReportPrintPrefs& r : p.view.reports) {
        r = ReportPrintPrefs{};
        r.topMargin = r.bottomMargin = r.leftMargin = r.rightMargin = margin;
        r.inches = inches;
    }
    constexpr std::array<int32_t, kSchedulePrefsCount> sizes = {12, 9, 7};
    for (std::size_t c = 0; c < p.view.schedules.size(); ++c) {
        SchedulePrintPrefs& s = p.view.schedules[c];
        s.font.size = sizes[c];
        double m = c == 2 ? (inches ? 6.35 / kMmPerInch : 6.35) : margin;
        s.topMargin = s.bottomMargin = s.leftMargin = s.rightMargin = m;
        s.inches = inches;
    }
    return p;
}

// The shortest text that reads back as the margin in millimetres. Rounded to the
// micrometre first, so that inches converted back give "19.05", not "19.049999...".
std::string marginText(double value, bool inches) {
    double mm = inches ? value * kMmPerInch : value;
    mm = std::round(mm * 1e6) / 1e6;
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), mm);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
}

template <class Record> void writePageSetup(IniFile& ini, const PrintDefaults& d, const Record& r) {
    writeFont(ini, kPrint, key(d.prefix, "Font"), d.prefix, r.font);
    ini.setBoolean(kPrint, key(d.prefix, "Orientation"), r.landscape);
    std::array<double, 4> margins = {r.topMargin, r.bottomMargin, r.leftMargin, r.rightMargin};
    for (std::size_t m = 0; m < margins.size(); ++m)
        ini.setValue(kPrint, key(d.prefix, kMarginKeys[m]), marginText(margins[m], r.inches));
}

void writeReport(IniFile& ini, const PrintDefaults& d, const ReportPrintPrefs& r) {
    writePageSetup(ini, d, r);
    if (d.vertLines >= 0)
        ini.setBoolean(kPrint, key(d.prefix, "VertLines"), r.verticalLines);
    if (d.rowHighlight >= 0)
        ini.setBoolean(kPrint, key(d.prefix, "RowHighlight"), r.highlightRows);
    ini.setBoolean(kPrint, key(d.prefix, "Frame"), r.frameReport);
    ini.setBoolean(kPrint, key(d.prefix, "DateTitle"), r.dateTitle);
    ini.setValue(kPrint, key(d.prefix, "Title"), r.title);
    if (d.hasInitials)
        ini.setValue(kPrint, key(d.prefix, "Initials"), r.initials);
}

void writeAll(IniFile& ini, const Preferences& p) {
    writeFlags(ini, kGeneralFlags, p.general);
    const tPrefsRec& v = p.view;
    writeFlags(ini, kViewFlags, v);
    writeFont(ini, kView, "FontName", "", v.font);
    for (std::size_t k = 0; k < kReports.size(); ++k)
        writeReport(ini, kReports[k], v.reports[k]);
    for (std::size_t c = 0; c < kSchedules.size(); ++c)
        writePageSetup(ini, kSchedules[c], v.schedules[c]);
}

} // namespace

double ParseMargin(std::string_view text, double fallbackMm, bool inches) {
    std::optional<double> parsed = parseReal(text);
    double mm = parsed && std::isfinite(*parsed) && *parsed >= 0 ? *parsed : fallbackMm;
    return inches ? mm / kMmPerInch : mm;
}

Preferences ReadPreferences(const IniFile& ini, bool usMeasurement) {
    return readAll(ini, usMeasurement);
}

LoadedPreferences LoadPreferences(const std::filesystem::path& configFile, bool usMeasurement) {
    Result<IniFile> ini = IniFile::load(configFile, kReadFailure);
    if (!ini)
        return {fallbackPreferences(usMeasurement), ini.failure()};
    return {ReadPreferences(ini.value(), usMeasurement), std::nullopt};
}

Status SavePreferences(const std::filesystem::path& configFile, const Preferences& prefs) {
    // A file that cannot be read is not overwritten: its window layouts would be lost.
    Result<IniFile> ini = IniFile::load(configFile, kSaveFailure);
    if (!ini)
        return ini.failure();
    writeAll(ini.value(), prefs);
    return ini.value().save(configFile, kSaveFailure);
}

} // namespace grd
