#pragma once

#include "views/GridContent.h"

#include <QStyledItemDelegate>

class QPainter;

namespace grd {

// Draws a marked cell over its normal look: filled with the selection colour (or red
// and blue for the category window's picked teams), the text 2 pixels in, clipped.
void paintMarkedCell(QPainter* painter, const QRect& rect, const QString& text, CellMark mark,
                     const QPalette& palette);

// Owner drawing of the display grids: marks, and the horizontal and vertical grid
// lines, which the user switches separately.
class DisplayCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setGridLines(bool horizontal, bool vertical);
    bool horizontalLines() const { return horizontal_; }
    bool verticalLines() const { return vertical_; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    bool horizontal_ = true;
    bool vertical_ = true;
};

} // namespace grd
