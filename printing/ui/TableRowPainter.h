#pragma once

#include "printing/TableFormat.h"

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

#include <vector>

class QPainter;

namespace grd {

// A table column in printer pixels.
struct PixelColumn {
    CellAlignment align = CellAlignment::Left;
    int width = 0;
    bool grid = true;
};

// Draws the cells of one table row, each cut or wrapped to its column and placed by
// its alignment with the small gap off the column edges.
class TableRowPainter {
public:
    TableRowPainter(QPainter& painter, const QFont& font, int dpi);

    // Draws cells from left at top (the line's top edge) within room pixels; a cell
    // too wide is cut to whole characters, or with wrap on broken at a blank. Returns
    // what wrapping left over, one text per column, or an empty list.
    QStringList drawRow(const QStringList& cells, const std::vector<PixelColumn>& columns, int left,
                        int room, int top, bool wrap, bool grid, int lineHeight);

    // Draws text from x with the line's top edge at top.
    void drawText(int x, int top, const QString& text);
    // The width of text in this painter's font, in pixels.
    int width(const QString& text) const;
    // The longest start of text that fits room, and with wrap on where the rest resumes.
    QString fitted(const QString& text, int room, bool wrap, QString* rest) const;

private:
    QPainter& painter_;
    QFont font_;
    QFontMetricsF metrics_;
    int dpi_;
};

} // namespace grd
