#include "printing/ui/ReportGeometry.h"

#include "printing/ui/PageWriter.h"

#include <algorithm>

namespace grd {

ReportGeometry::ReportGeometry(PageWriter& writer) : writer_(writer) {
    LH = writer.LineHeight();
    half = LH / 2;
    const PrintableArea& area = writer.printable();
    frameTop = area.top;
    frameBottom = area.top + area.height;
    frameLeft = area.left;
    frameRight = area.left + area.width;
}

int ReportGeometry::y() const {
    return writer_.GetPosition().y();
}

void ReportGeometry::row(const std::string& line) {
    writer_.WriteTableRow(QString::fromStdString(line));
}

void ReportGeometry::row(const QString& line) {
    writer_.WriteTableRow(line);
}

void ReportGeometry::gap() {
    writer_.WriteTableRow(QString());
}

void ReportGeometry::rule(int at) {
    line(frameLeft, at, frameRight, at);
}

void ReportGeometry::ruledGap() {
    rule(std::min(y() + half, frameBottom));
    gap();
}

bool ReportGeometry::full() const {
    return y() + LH > frameBottom;
}

void ReportGeometry::line(int x1, int y1, int x2, int y2) {
    QPainter* canvas = writer_.DrawingCanvas();
    canvas->setPen(QPen(Qt::black, 1));
    canvas->drawLine(x1, y1, x2, y2);
}

void ReportGeometry::columnLines(const std::vector<int>& xs, int top, int bottom) {
    for (int x : xs)
        if (x < frameRight)
            line(x, top, x, bottom);
}

void ReportGeometry::frame() {
    QPainter* canvas = writer_.DrawingCanvas();
    QPen saved = canvas->pen();
    canvas->setPen(QPen(Qt::black, 4));
    canvas->setBrush(Qt::NoBrush);
    canvas->drawRect(frameLeft, frameTop, frameRight - frameLeft, frameBottom - frameTop);
    canvas->setPen(saved);
}

} // namespace grd
