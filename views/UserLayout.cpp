#include "views/UserLayout.h"

#include "files/Printable.h"
#include "league/Format.h"
#include "prefs/ConfigText.h"
#include "prefs/IniFile.h"

#include <algorithm>
#include <limits>

namespace grd {
namespace {

constexpr int kLoadError = -15;
constexpr int kSaveError = -14;
// A list holds at most this many values when read back.
constexpr int kMaxListValues = 13;
// Smaller windows than this cannot show a caption and a row of their grid.
constexpr int kMinWindowSize = 80;
// The height of a window's caption, by which the user moves it.
constexpr int kCaptionHeight = 30;
// A damaged value is shown this far in a message.
constexpr std::size_t kMaxShownChars = 60;

constexpr std::string_view kFontSection = "Font";
constexpr std::string_view kGeneralSection = "General";
constexpr std::string_view kCategorySection = "Category";

Failure loadFailure(std::string_view section, std::string_view key, std::string_view text) {
    return Failure{kLoadError, "[" + std::string(section) + "] " + std::string(key) + "=" +
                                   printable(text.substr(0, kMaxShownChars)) +
                                   (text.size() > kMaxShownChars ? "..." : "") +
                                   ": not a list of numbers"};
}

int32_t readInt32(const IniFile& file, std::string_view section, std::string_view key,
                  int32_t fallback) {
    const long long value = file.integer(section, key, fallback);
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return fallback;
    return static_cast<int32_t>(value);
}

void readList(const IniFile& file, std::string_view section, std::string_view key,
              LayoutList& values, std::optional<Failure>& failure) {
    values = {};
    const std::optional<std::string> text = file.value(section, key);
    if (!text)
        return;
    if (!parseLayoutList(*text, values) && !failure)
        failure = loadFailure(section, key, *text);
}

WindowState stateOf(int32_t value) {
    switch (value) {
    case 1:
        return WindowState::Minimized;
    case 2:
        return WindowState::Maximized;
    default:
        return WindowState::Normal;
    }
}

void readRecord(const IniFile& file, WindowCode code, LayoutRecord& record,
                std::optional<Failure>& failure) {
    const std::string_view section = layoutSectionName(code);
    record.state = stateOf(readInt32(file, section, "State", 0));
    record.top = readInt32(file, section, "Top", 10 * code);
    record.left = readInt32(file, section, "Left", 10 * code);
    record.width = readInt32(file, section, "Width", 200);
    record.height = readInt32(file, section, "Height", 200);
    readList(file, section, "ColOrder", record.colOrder, failure);
    readList(file, section, "ColWidths", record.colWidths, failure);
    readList(file, section, "ColHeaders", record.colHeaders, failure);
}

void writeRecord(IniFile& file, WindowCode code, const LayoutRecord& record) {
    const std::string_view section = layoutSectionName(code);
    const int count = layoutColumnCount(code);
    file.setInteger(section, "State", static_cast<int32_t>(record.state));
    file.setInteger(section, "Top", record.top);
    file.setInteger(section, "Left", record.left);
    file.setInteger(section, "Width", record.width);
    file.setInteger(section, "Height", record.height);
    file.setValue(section, "ColOrder", formatLayoutList('O', record.colOrder, count));
    file.setValue(section, "ColWidths", formatLayoutList('W', record.colWidths, count));
    file.setValue(section, "ColHeaders", formatLayoutList('H', record.colHeaders, count));
}

} // namespace

UserLayout::UserLayout() {
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code) {
        records[static_cast<size_t>(code)].top = 10 * code;
        records[static_cast<size_t>(code)].left = 10 * code;
    }
}

bool UserLayout::operator==(const UserLayout& other) const {
    return font == other.font && zOrder.entries == other.zOrder.entries &&
           namesLength == other.namesLength && records == other.records;
}

int layoutColumnCount(WindowCode code) {
    switch (code) {
    case kScheduleWindow:
        return 6;
    case kTeamRankWindow:
    case kDivisionRankWindow:
        return 13;
    case kCategoryRankWindow:
        return 9;
    case kSpreadsWindow:
    case kArchiveSpreadsWindow:
        return 5;
    case kArchiveScoresWindow:
        return 4;
    }
    return 0;
}

std::string_view layoutSectionName(WindowCode code) {
    switch (code) {
    case kScheduleWindow:
        return "Schedule";
    case kTeamRankWindow:
        return "Team";
    case kDivisionRankWindow:
        return "Division";
    case kCategoryRankWindow:
        return kCategorySection;
    case kSpreadsWindow:
        return "Spreads";
    case kArchiveSpreadsWindow:
        return "ArchiveSpreads";
    case kArchiveScoresWindow:
        return "ArchiveScores";
    }
    return {};
}

std::string formatLayoutList(char marker, const LayoutList& values, int count) {
    std::string text(1, marker);
    for (int i = 0; i < std::clamp(count, 0, kLayoutListLength); ++i) {
        text += ' ';
        text += std::to_string(values[static_cast<size_t>(i)]);
    }
    return text;
}

Status parseLayoutList(std::string_view text, LayoutList& values) {
    values = {};
    if (!text.empty())
        text.remove_prefix(1); // the marker
    // The text after the marker starts with the blank before the first value.
    if (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    int index = 0;
    while (!text.empty() && index < kMaxListValues) {
        const std::size_t blank = text.find(' ');
        const std::string_view item = text.substr(0, blank);
        const std::optional<long long> value = parseInteger(item);
        if (!value || *value < std::numeric_limits<int32_t>::min() ||
            *value > std::numeric_limits<int32_t>::max())
            return Failure{kLoadError, std::string(item)};
        values[static_cast<size_t>(index++)] = static_cast<int32_t>(*value);
        text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
    }
    return Ok{};
}

std::string formatZOrder(const LayoutZOrder& order) {
    const int count = std::clamp(order.entries[0], 0, kLayoutListLength - 2);
    LayoutList values{};
    std::copy_n(order.entries.begin(), count + 1, values.begin());
    return formatLayoutList('Z', values, count + 2);
}

void writeLayout(IniFile& file, const UserLayout& layout) {
    file.setValue(kFontSection, "Name", layout.font.name);
    file.setInteger(kFontSection, "Size", layout.font.size);
    file.setInteger(kFontSection, "Color", layout.font.colour);
    file.setInteger(kFontSection, "Style", layout.font.style);
    file.setValue(kGeneralSection, "ZOrder", formatZOrder(layout.zOrder));
    file.setInteger(kCategorySection, "NamesLength", layout.namesLength);
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code)
        writeRecord(file, static_cast<WindowCode>(code), layout.records[static_cast<size_t>(code)]);
}

LoadedLayout readLayout(const IniFile& file) {
    LoadedLayout loaded;
    UserLayout& layout = loaded.layout;
    auto fontName = limitedText(file, kFontSection, "Name", "Arial", kMaxFontNameChars);
    layout.font.name = fontName.value_or("Arial");
    if (!fontName && !loaded.failure)
        loaded.failure =
            Failure{kLoadError, "[" + std::string(kFontSection) + "] Name: longer than " +
                                    std::to_string(kMaxFontNameChars) + " characters"};
    layout.font.size = readInt32(file, kFontSection, "Size", 10);
    layout.font.colour = readInt32(file, kFontSection, "Color", 0);
    layout.font.style = readInt32(file, kFontSection, "Style", 0);
    LayoutList zOrder{};
    readList(file, kGeneralSection, "ZOrder", zOrder, loaded.failure);
    std::copy(zOrder.begin(), zOrder.end(), layout.zOrder.entries.begin());
    layout.namesLength =
        readInt32(file, kCategorySection, "NamesLength", UserLayout::kDefaultNamesLength);
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code)
        readRecord(file, static_cast<WindowCode>(code), layout.records[static_cast<size_t>(code)],
                   loaded.failure);
    return loaded;
}

LoadedLayout LoadLayout(const std::filesystem::path& configFile) {
    Result<IniFile> file = IniFile::load(configFile, kLoadError);
    if (!file)
        return {UserLayout{}, file.failure()};
    return readLayout(file.value());
}

Status SaveLayout(const std::filesystem::path& configFile, const UserLayout& layout) {
    Result<IniFile> file = IniFile::load(configFile, kSaveError);
    if (!file)
        return file.failure();
    writeLayout(file.value(), layout);
    return file.value().save(configFile, kSaveError);
}

WindowRect keepInside(const WindowRect& stored, int areaWidth, int areaHeight) {
    WindowRect rect = stored;
    rect.width = std::max(rect.width, kMinWindowSize);
    rect.height = std::max(rect.height, kMinWindowSize);
    // A window whose caption can still be reached stays where the user put it.
    const bool reachable = rect.top >= 0 && rect.top <= areaHeight - kCaptionHeight &&
                           rect.left <= areaWidth - kMinWindowSize &&
                           rect.left + rect.width >= kMinWindowSize;
    if (reachable)
        return rect;
    rect.width = std::min(rect.width, std::max(areaWidth, 1));
    rect.height = std::min(rect.height, std::max(areaHeight, 1));
    rect.left = std::clamp(rect.left, 0, std::max(areaWidth - rect.width, 0));
    rect.top = std::clamp(rect.top, 0, std::max(areaHeight - rect.height, 0));
    return rect;
}

} // namespace grd
