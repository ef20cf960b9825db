// The companion library's exports, bound by name by the program.
#include "GRDOddsApi.h"
#include "WeekGames.h"
#include "ui/CompanionDialogs.h"

#include <QWidget>
#include <type_traits>

#define GRD_EXPORT __attribute__((visibility("default")))

namespace {

WeekGames& weekGames() {
    static WeekGames games;
    return games;
}

QWidget* widget(void* handle) {
    return static_cast<QWidget*>(handle);
}

} // namespace

extern "C" {

GRD_EXPORT int ShowSplashScreen(void* parent) {
    showSplash(widget(parent));
    return splashShown() ? 1 : 0;
}

GRD_EXPORT void CloseSplashScreen(void*) {
    closeSplash();
}

GRD_EXPORT void ShowAboutDlg(void* parent) {
    runAboutBox(widget(parent));
}

GRD_EXPORT int ShowGetWeekDlg(void* parent, int* weeks, int* weekCode, const int*, int) {
    if (weeks == nullptr || weekCode == nullptr)
        return 0;
    int chosen = runWeekChooser(widget(parent), *weeks, *weekCode);
    if (chosen < 0)
        return 0;
    *weekCode = chosen;
    return 1;
}

GRD_EXPORT int WeekMap(int weekCode) {
    return weekCode;
}

GRD_EXPORT void SetWGC(const int* counts, int highest) {
    weekGames().set(counts, highest);
}

GRD_EXPORT void GetFGames(int week, int* first, int* last) {
    auto [from, to] = weekGames().forecastRange(week);
    if (first != nullptr)
        *first = from;
    if (last != nullptr)
        *last = to;
}

GRD_EXPORT void GetSGames(int week, int* first, int* last) {
    auto [from, to] = weekGames().scoreRange(week);
    if (first != nullptr)
        *first = from;
    if (last != nullptr)
        *last = to;
}

GRD_EXPORT void SetPlayOffNames(const char* const*, int) {}
}

// The exports must keep the signatures the program binds them with.
static_assert(std::is_same_v<decltype(&ShowSplashScreen), ShowSplashScreenFn>);
static_assert(std::is_same_v<decltype(&CloseSplashScreen), CloseSplashScreenFn>);
static_assert(std::is_same_v<decltype(&ShowAboutDlg), ShowAboutDlgFn>);
static_assert(std::is_same_v<decltype(&ShowGetWeekDlg), ShowGetWeekDlgFn>);
static_assert(std::is_same_v<decltype(&WeekMap), WeekMapFn>);
static_assert(std::is_same_v<decltype(&SetWGC), SetWGCFn>);
static_assert(std::is_same_v<decltype(&GetFGames), GetFGamesFn>);
static_assert(std::is_same_v<decltype(&GetSGames), GetSGamesFn>);
static_assert(std::is_same_v<decltype(&SetPlayOffNames), SetPlayOffNamesFn>);
