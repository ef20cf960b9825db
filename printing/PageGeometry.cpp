#include "printing/PageGeometry.h"

#include <algorithm>

namespace grd {

PageMetrics defaultPageMetrics(TMeasureUnit unit, bool landscape) {
    PageMetrics metrics;
    bool inches = unit == TMeasureUnit::muInches;
    metrics.pageWidth = unitToPixels(inches ? 8.5 : 210.0, unit, metrics.dpiX);
    metrics.pageHeight = unitToPixels(inches ? 11.0 : 297.0, unit, metrics.dpiY);
    metrics.unprintableLeft = unitToPixels(inches ? 0.25 : 6.0, unit, metrics.dpiX);
    metrics.unprintableTop = unitToPixels(inches ? 0.25 : 6.0, unit, metrics.dpiY);
    metrics.landscape = landscape;
    if (landscape)
        std::swap(metrics.pageWidth, metrics.pageHeight);
    return metrics;
}

double clampMargin(double value, double unprintable, double pageExtent, double farUnprintable) {
    double most = pageExtent - farUnprintable;
    return std::max(unprintable, std::min(value, most));
}

PageMargins clampMargins(const PageMargins& margins, const PageMetrics& metrics,
                         TMeasureUnit unit) {
    int h = metrics.horizontalDpi();
    int v = metrics.verticalDpi();
    double left = pixelsToUnit(metrics.unprintableLeft, unit, h);
    double top = pixelsToUnit(metrics.unprintableTop, unit, v);
    double width = pixelsToUnit(metrics.pageWidth, unit, h);
    double height = pixelsToUnit(metrics.pageHeight, unit, v);
    return {clampMargin(margins.top, top, height, top),
            clampMargin(margins.bottom, top, height, top),
            clampMargin(margins.left, left, width, left),
            clampMargin(margins.right, left, width, left)};
}

PrintableArea printableArea(const PageMetrics& metrics, const PageMargins& margins,
                            TMeasureUnit unit) {
    int h = metrics.horizontalDpi();
    int v = metrics.verticalDpi();
    int left = unitToPixels(margins.left, unit, h);
    int right = unitToPixels(margins.right, unit, h);
    int top = unitToPixels(margins.top, unit, v);
    int bottom = unitToPixels(margins.bottom, unit, v);
    return {left - metrics.unprintableLeft, top - metrics.unprintableTop,
            std::max(0, metrics.pageWidth - left - right),
            std::max(0, metrics.pageHeight - top - bottom)};
}

} // namespace grd
