#include "printing/ui/FontFitting.h"

#include "printing/ui/PageWriter.h"

#include <algorithm>
#include <cmath>

namespace grd {

namespace {

constexpr double kSmallestFittedPoints = 6.0; // still readable on paper

} // namespace

void fitFontToPrintableWidth(PageWriter& writer, QFont font, const std::function<int()>& wanted) {
    writer.setFont(font);
    const int room = writer.printable().width;
    double points = font.pointSizeF();
    for (int wide = wanted(); wide > room && points > kSmallestFittedPoints; wide = wanted()) {
        double scaled = std::floor(points * room / wide * 2) / 2;
        points = std::max(kSmallestFittedPoints, std::min(scaled, points - 0.5));
        font.setPointSizeF(points);
        writer.setFont(font);
    }
}

void fitFontToOnePage(PageWriter& writer, int lines) {
    QFont font = writer.Font();
    const double stored = font.pointSizeF();
    auto fits = [&] { return lines * writer.LineHeight() <= writer.printable().height; };
    font.setPointSizeF(kSmallestFittedPoints);
    writer.setFont(font);
    const bool possible = fits();
    double points = stored;
    font.setPointSizeF(points);
    writer.setFont(font);
    while (possible && !fits() && points > kSmallestFittedPoints) {
        points = std::max(kSmallestFittedPoints, points - 0.5);
        font.setPointSizeF(points);
        writer.setFont(font);
    }
}

} // namespace grd
