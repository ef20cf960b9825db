#include "printing/ui/ReportRun.h"

#include "printing/ui/PageWriter.h"
#include "printing/ui/ReportPageLayout.h"

#include <QDate>
#include <QLocale>

namespace grd {

Result<TPageList> layOutReports(PageWriter& writer, const ReportText& text, const tPrefsRec& prefs,
                                const QString& today) {
    TPageList pages;
    ReportPageLayout layout(writer, text);
    for (size_t report = 0; report < text.blocks.size(); ++report) {
        auto kind = static_cast<size_t>(text.blocks[report].kind);
        if (kind < 1 || kind > prefs.reports.size())
            return Failure{-48, "Unknown report kind " + std::to_string(kind)};
        Status laid =
            layout.PrintTheReports(static_cast<int>(report) + 1, prefs.reports[kind - 1], today);
        if (!laid)
            return laid.failure();
        for (int page = 1; page <= writer.pages().count(); ++page)
            pages.append(writer.pages().page(page));
    }
    return pages;
}

QString todayShortDate() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

} // namespace grd
