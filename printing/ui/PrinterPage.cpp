#include "printing/ui/PrinterPage.h"

#include <QPrinter>

namespace grd {

std::optional<PrinterPage> printerPageOf(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat || printer.printerName().isEmpty() ||
        !printer.isValid() || printer.resolution() <= 0)
        return std::nullopt;
    const QPageLayout layout = printer.pageLayout();
    const QMarginsF minimum = layout.minimumMargins();
    return PrinterPage{
        printer.printerName(), printer.resolution(),
        QPageLayout(layout.pageSize(), layout.orientation(), minimum, layout.units(), minimum)};
}

PageMetrics pageMetricsOf(const std::optional<PrinterPage>& page, TMeasureUnit unit,
                          bool landscape) {
    if (!page)
        return defaultPageMetrics(unit, landscape);
    QPageLayout layout = page->layout;
    layout.setOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const int dpi = page->dpi;
    const QRect full = layout.fullRectPixels(dpi);
    const QPageLayout minimum(layout.pageSize(), layout.orientation(), layout.minimumMargins(),
                              layout.units());
    const QRect printable = minimum.paintRectPixels(dpi);
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
