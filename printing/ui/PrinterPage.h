#pragma once

#include "printing/PageGeometry.h"

#include <QPageLayout>
#include <QString>

#include <optional>

class QPrinter;

namespace grd {

// What pages are laid out for: a printer's name, resolution and page, whose margins
// are the least the printer leaves unprinted.
struct PrinterPage {
    QString name;
    int dpi = 0;
    QPageLayout layout;
};

// The page of a real printer, not of a file writer standing in for a missing one.
std::optional<PrinterPage> printerPageOf(const QPrinter& printer);

// The page in the printer's own pixels, or the defaults for the unit without a printer.
PageMetrics pageMetricsOf(const std::optional<PrinterPage>& page, TMeasureUnit unit,
                          bool landscape);

} // namespace grd
