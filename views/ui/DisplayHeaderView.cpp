#include "views/ui/DisplayHeaderView.h"

#include "views/ui/DisplayCellDelegate.h"
#include "views/ui/DisplayGridModel.h"

#include <QPainter>

namespace grd {

DisplayHeaderView::DisplayHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHighlightSections(false);
}

void DisplayHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    if (model() == nullptr) {
        return;
    }
    const auto mark = static_cast<CellMark>(
        model()->headerData(logicalIndex, Qt::Horizontal, DisplayGridModel::MarkRole).toInt());
    if (mark != CellMark::None) {
        paintMarkedCell(painter, rect.adjusted(0, 0, -2, -2),
                        model()->headerData(logicalIndex, Qt::Horizontal).toString(), mark,
                        palette());
    }
}

} // namespace grd
