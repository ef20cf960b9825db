#pragma once

#include "files/Failure.h"
#include "printing/ui/TPageList.h"

#include <QString>

#include <filesystem>

class QPainter;
class QPrinter;
class QWidget;

namespace grd {

// How a print run sends its pages.
struct PrintJobOptions {
    QString title;
    int copies = 1;
    bool collate = true;
    int fromPage = 0; // 0: from the first page
    int toPage = 0;   // 0: to the last page
    bool showProgress = true;
    bool showCancel = true;
    bool abortOnCancel = false;
    QString progressMessage;
};

enum class PrintOutcome { Printed, Cancelled };

// Plays a recorded picture in its own pixels: a picture played on a device scales by
// the device's resolution, which the recorded printer pixels must not.
void playPicture(QPainter& painter, const QPicture& picture);

// Draws page onto painter, whose device has resolution dpi and its origin at
// deviceOrigin (inches from the physical page's top-left corner).
void drawRecordedPage(QPainter& painter, const RecordedPage& page, QPointF deviceOrigin,
                      double dpiX, double dpiY);

// Sends the range of pages to printer in the order of copies and collation, behind a
// progress dialog whose Cancel stops the run between pages. Throws EPagePrinter when
// the print job cannot start.
PrintOutcome printPages(const TPageList& pages, QPrinter& printer, const PrintJobOptions& options,
                        QWidget* parent = nullptr);

// Writes every page to a PDF file, each at its own size and orientation; the file is
// replaced only when the whole document was made.
Status writePagesToPdf(const TPageList& pages, const std::filesystem::path& path,
                       const QString& title);

} // namespace grd
