/* The companion library's nine exports, as the program binds them by name.
   Shared by the library and the program; declarations only. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/* Window handles are QWidget pointers passed as opaque pointers. */
typedef int (*ShowSplashScreenFn)(void* parent);
typedef void (*CloseSplashScreenFn)(void* parent);
typedef void (*ShowAboutDlgFn)(void* parent);
/* weeks: in, the number of regular weeks N; weekCode: in, the entry the main data
   file stands at (-1 when unknown), shown and followed by the entry pre-selected;
   out, the chosen entry; the result is non-zero when the user chose an entry and
   pressed OK. The active alignment's playoff week choices are accepted and not used. */
typedef int (*ShowGetWeekDlgFn)(void* parent, int* weeks, int* weekCode, const int* playoffChoices,
                                int playoffChoiceCount);
typedef int (*WeekMapFn)(int weekCode);
/* counts[0] is N, counts[1..N] the games of each regular week; highest is N. */
typedef void (*SetWGCFn)(const int* counts, int highest);
/* Half-open ranges of schedule game indices: the week to forecast, the week scored. */
typedef void (*GetFGamesFn)(int week, int* first, int* last);
typedef void (*GetSGamesFn)(int week, int* first, int* last);
/* names: the playoff week names, count of them; accepted and ignored. */
typedef void (*SetPlayOffNamesFn)(const char* const* names, int count);

#ifdef __cplusplus
}
#endif
