#pragma once

namespace grd {

// The unit of margins, column widths and offsets on the printed page.
enum class TMeasureUnit { muInches, muMillimeters };

constexpr double kMillimetresPerInch = 25.4;

// Inches or millimetres, as the locale measures.
TMeasureUnit measureUnitFor(bool usMeasurement);

// A distance in the unit as printer pixels at dpi pixels per inch, to the nearest one.
int unitToPixels(double value, TMeasureUnit unit, int dpi);
// Printer pixels back to the unit.
double pixelsToUnit(int pixels, TMeasureUnit unit, int dpi);
// A distance given in one unit, in the other.
double convertUnit(double value, TMeasureUnit from, TMeasureUnit to);

} // namespace grd
