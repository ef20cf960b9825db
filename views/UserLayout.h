#pragma once

#include "files/Failure.h"
#include "prefs/FontPrefs.h"
#include "state/WindowCode.h"
#include "views/DisplayGeometry.h"
#include "views/LayoutZOrder.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace grd {

class IniFile;

// The list length of every layout list.
constexpr int kLayoutListLength = 14;
using LayoutList = std::array<int32_t, kLayoutListLength>;

enum class WindowState : int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

// One view window as a saved layout keeps it.
struct LayoutRecord {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 200;
    int32_t height = 200;
    WindowState state = WindowState::Normal;
    LayoutList colOrder{};   // the display position of each logical column
    LayoutList colWidths{};  // the width of each column, by display position
    LayoutList colHeaders{}; // the logical column at each display position
    bool operator==(const LayoutRecord&) const = default;
};

// The user's saved arrangement of the view windows.
struct UserLayout {
    static constexpr int kDefaultNamesLength = 13;

    FontPrefs font;
    LayoutZOrder zOrder;
    int32_t namesLength = kDefaultNamesLength;
    std::array<LayoutRecord, kLastWindowCode + 1> records; // by window code; entry 0 unused

    UserLayout();
    bool operator==(const UserLayout& other) const;
};

// How many values of each list a window writes: one per grid column.
int layoutColumnCount(WindowCode code);
// The section of the configuration file that holds a window's record.
std::string_view layoutSectionName(WindowCode code);

// A list as the file keeps it: the marker letter, then each value after a blank.
std::string formatLayoutList(char marker, const LayoutList& values, int count);
// Reads a list text: the marker is skipped, at most 13 values are read, missing ones
// are 0. A value that is not a decimal number (also an empty one, from two blanks in
// a row) fails with -15; the values before it are kept in values.
Status parseLayoutList(std::string_view text, LayoutList& values);

// The z-order list's text: the count, the codes and one 0 after them.
std::string formatZOrder(const LayoutZOrder& order);

// Writes the layout sections into file, leaving every other line as it was.
void writeLayout(IniFile& file, const UserLayout& layout);
// Reads the layout sections. Every key is read even after a damaged one, so the
// result holds all that could be read; the first failure (-15) is returned beside it.
struct LoadedLayout {
    UserLayout layout;
    std::optional<Failure> failure;
};
LoadedLayout readLayout(const IniFile& file);

// The configuration file on disk: a failure to read is -15, to write -14; a failed
// write leaves the file as it was.
LoadedLayout LoadLayout(const std::filesystem::path& configFile);
Status SaveLayout(const std::filesystem::path& configFile, const UserLayout& layout);

// A stored place pulled inside the main window's client area when its caption lies
// outside, so that a layout saved on a larger screen never leaves a window out of
// reach; a window the user can still reach keeps its place.
WindowRect keepInside(const WindowRect& stored, int areaWidth, int areaHeight);

} // namespace grd
