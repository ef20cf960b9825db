#include "printing/ui/PrinterPage.h"

#include <QPageLayout>
#include <QPrinter>

namespace grd {

bool usablePrinter(const QPrinter* printer) {
    return printer != nullptr && printer->outputFormat() == QPrinter::NativeFormat &&
           !printer->printerName().isEmpty() && printer->isValid() && printer->resolution() > 0;
}

PageMetrics pageMetricsOf(const QPrinter* printer, TMeasureUnit unit, bool landscape) {
    if (!usablePrinter(printer))
        return defaultPageMetrics(unit, landscape);
    QPageLayout layout = printer->pageLayout();
    layout.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    int dpi = printer->resolution();
    QRect full = layout.fullRectPixels(dpi);
    QMarginsF minimum = layout.minimumMargins();
    QPageLayout::Unit units = layout.units();
    QPageLayout points(layout.pageSize(), layout.orientation(), minimum, units);
    QRect printable = points.paintRectPixels(dpi);
    PageMetrics metrics;
    metrics.dpiX = dpi;
    metrics.dpiY = dpi;
    metrics.pageWidth = full.width();
    metrics.pageHeight = full.height();
    metrics.unprintableLeft = printable.left() - full.left();
    metrics.unprintableTop = printable.top() - full.top();
    metrics.landscape = landscape;
    return metrics;
}

} // namespace grd
