#pragma once

#include "files/Failure.h"
#include "prefs/tPrefsRec.h"
#include "printing/ReportText.h"
#include "printing/ui/TPageList.h"

#include <QString>

namespace grd {

class PageWriter;

// Every report of a report text laid out on its own page with its kind's print
// preferences, in slot order. today titles the reports that ask for the date.
Result<TPageList> layOutReports(PageWriter& writer, const ReportText& text, const tPrefsRec& prefs,
                                const QString& today);

// Today in the locale's short date format.
QString todayShortDate();

} // namespace grd
