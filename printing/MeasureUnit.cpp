#include "printing/MeasureUnit.h"

#include "league/Format.h"

namespace grd {

namespace {

double inches(double value, TMeasureUnit unit) {
    return unit == TMeasureUnit::muInches ? value : value / kMillimetresPerInch;
}

} // namespace

TMeasureUnit measureUnitFor(bool usMeasurement) {
    return usMeasurement ? TMeasureUnit::muInches : TMeasureUnit::muMillimeters;
}

int unitToPixels(double value, TMeasureUnit unit, int dpi) {
    return static_cast<int>(roundHalfEven(inches(value, unit) * dpi));
}

double pixelsToUnit(int pixels, TMeasureUnit unit, int dpi) {
    double inch = dpi > 0 ? static_cast<double>(pixels) / dpi : 0.0;
    return unit == TMeasureUnit::muInches ? inch : inch * kMillimetresPerInch;
}

double convertUnit(double value, TMeasureUnit from, TMeasureUnit to) {
    if (from == to)
        return value;
    return to == TMeasureUnit::muInches ? value / kMillimetresPerInch : value * kMillimetresPerInch;
}

} // namespace grd
