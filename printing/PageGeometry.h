#pragma once

#include "printing/MeasureUnit.h"

namespace grd {

// A printer's page in its own pixels. Pictures of pages are drawn with their origin
// at the unprintable offset, where a printer's drawing origin lies.
struct PageMetrics {
    int dpiX = 300;
    int dpiY = 300;
    int pageWidth = 2550; // the physical page
    int pageHeight = 3300;
    int unprintableLeft = 75; // also serves the right
    int unprintableTop = 75;  // also serves the bottom
    bool landscape = false;

    // Printer drivers swap their resolutions with the orientation.
    int horizontalDpi() const { return landscape ? dpiY : dpiX; }
    int verticalDpi() const { return landscape ? dpiX : dpiY; }
    bool operator==(const PageMetrics&) const = default;
};

// Without a usable printer: 300 dpi, Letter with 0.25 in or A4 with 6 mm unprintable.
PageMetrics defaultPageMetrics(TMeasureUnit unit, bool landscape);

struct PageMargins {
    double top = 0;
    double bottom = 0;
    double left = 0;
    double right = 0;
    bool operator==(const PageMargins&) const = default;
};

// A margin the printer can honour: not inside the unprintable edge, not beyond the
// far side of the page less its unprintable edge.
double clampMargin(double value, double unprintable, double pageExtent, double farUnprintable);
// All four margins (in unit) clamped against metrics.
PageMargins clampMargins(const PageMargins& margins, const PageMetrics& metrics, TMeasureUnit unit);

// The printable area in picture pixels (origin at the unprintable offset).
struct PrintableArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PrintableArea&) const = default;
};

PrintableArea printableArea(const PageMetrics& metrics, const PageMargins& margins,
                            TMeasureUnit unit);

} // namespace grd
