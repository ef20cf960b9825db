#include "views/ui/DisplayCellDelegate.h"

#include "views/ui/DisplayGridModel.h"

#include <QApplication>
#include <QPainter>

namespace grd {

void paintMarkedCell(QPainter* painter, const QRect& rect, const QString& text, CellMark mark,
                     const QPalette& palette) {
    QColor fill = palette.color(QPalette::Highlight);
    QColor ink = palette.color(QPalette::HighlightedText);
    if (mark == CellMark::FirstTeam || mark == CellMark::SecondTeam) {
        fill = mark == CellMark::FirstTeam ? QColor(Qt::red) : QColor(Qt::blue);
        ink = Qt::white;
    }
    painter->save();
    painter->setClipRect(rect);
    painter->fillRect(rect, fill);
    painter->setPen(ink);
    painter->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      text);
    painter->restore();
}

void DisplayCellDelegate::setGridLines(bool horizontal, bool vertical) {
    horizontal_ = horizontal;
    vertical_ = vertical;
}

void DisplayCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const auto mark = static_cast<CellMark>(index.data(DisplayGridModel::MarkRole).toInt());
    if (mark == CellMark::None) {
        QStyledItemDelegate::paint(painter, option, index);
    } else {
        // Widened into the neighbours' margins so that marked rows join into a band.
        paintMarkedCell(painter, option.rect.adjusted(-1, 0, 1, 0),
                        index.data(Qt::DisplayRole).toString(), mark, option.palette);
    }
    if (!horizontal_ && !vertical_) {
        return;
    }
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const auto rgb =
        static_cast<QRgb>(style->styleHint(QStyle::SH_Table_GridLineColor, &option, widget));
    painter->save();
    painter->setPen(QColor::fromRgba(rgb));
    const QRect& r = option.rect;
    if (horizontal_) {
        painter->drawLine(r.bottomLeft(), r.bottomRight());
    }
    if (vertical_) {
        painter->drawLine(r.topRight(), r.bottomRight());
    }
    painter->restore();
}

} // namespace grd
