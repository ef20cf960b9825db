#include "printing/ui/TableRowPainter.h"

#include "printing/TextFitting.h"

#include <QPainter>

#include <cmath>

namespace grd {

TableRowPainter::TableRowPainter(QPainter& painter, const QFont& font, int dpi)
    : painter_(painter), font_(font), metrics_(font), dpi_(dpi) {}

int TableRowPainter::width(const QString& text) const {
    return static_cast<int>(std::lround(metrics_.horizontalAdvance(text)));
}

QString TableRowPainter::fitted(const QString& text, int room, bool wrap, QString* rest) const {
    auto widthOf = [&](int n) { return width(text.left(n)); };
    if (!wrap) {
        return text.left(longestFittingPrefix(static_cast<int>(text.size()), room, widthOf));
    }
    auto isBlank = [&](int i) { return text.at(i) == QLatin1Char(' '); };
    WrapBreak at = wrapBreak(static_cast<int>(text.size()), room, widthOf, isBlank);
    if (rest != nullptr)
        *rest = text.mid(at.resume);
    return text.left(at.keep);
}

void TableRowPainter::drawText(int x, int top, const QString& text) {
    painter_.setFont(font_);
    painter_.drawText(QPoint(x, top + static_cast<int>(std::lround(metrics_.ascent()))), text);
}

QStringList TableRowPainter::drawRow(const QStringList& cells,
                                     const std::vector<PixelColumn>& columns, int left, int room,
                                     int top, bool wrap, bool grid, int lineHeight) {
    painter_.setFont(font_);
    QStringList rests;
    bool anyRest = false;
    int x = left;
    for (size_t i = 0; i < columns.size(); ++i) {
        int remaining = room - (x - left);
        if (remaining <= 0)
            break;
        int w = std::min(columns[i].width, remaining);
        QString rest;
        QString text = fitted(
            i < static_cast<size_t>(cells.size()) ? cells.at(static_cast<qsizetype>(i)) : QString(),
            w, wrap, &rest);
        rests << rest;
        anyRest = anyRest || !rest.isEmpty();
        int offset = cellOffset(columns[i].align, w, width(text), dpi_);
        if (!text.isEmpty())
            drawText(x + offset, top, text);
        if (grid && columns[i].grid)
            painter_.drawRect(x, top, w, lineHeight);
        x += w;
    }
    return anyRest ? rests : QStringList();
}

} // namespace grd
