#pragma once

#include "printing/PageGeometry.h"

class QPrinter;

namespace grd {

// A printer that pages can be laid out for: a real one, not a file writer standing in
// for a missing printer.
bool usablePrinter(const QPrinter* printer);

// The page of printer in its own pixels, or the defaults for the unit when the printer
// is not usable.
PageMetrics pageMetricsOf(const QPrinter* printer, TMeasureUnit unit, bool landscape);

} // namespace grd
