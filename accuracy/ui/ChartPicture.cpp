#include "accuracy/ui/ChartPicture.h"

#include <QChartView>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <iterator>

namespace grd {

namespace {

// Twelve colours that stay apart, each with three dashes: 36 looks.
const QColor kColours[] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22),
    QColor(0x39, 0x3b, 0x79), QColor(0xad, 0x49, 0x4a), QColor(0x63, 0x79, 0x39)};
const Qt::PenStyle kDashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DashDotLine};
constexpr int kSwatchWidth = 36;
constexpr int kGap = 8;

struct KeyLayout {
    int rowHeight = 0;
    int rows = 0;
    int columnWidth = 0;
    int columns = 0;
};

KeyLayout keyLayout(const QChartView& view, const QList<ChartKey>& keys) {
    const QFontMetrics metrics(view.chart()->font());
    KeyLayout layout;
    layout.rowHeight = metrics.height() + 2;
    layout.rows = std::max(1, (view.height() - 2 * kGap) / layout.rowHeight);
    for (const auto& key : keys) {
        layout.columnWidth = std::max(layout.columnWidth, metrics.horizontalAdvance(key.name));
    }
    layout.columnWidth += kSwatchWidth + 2 * kGap;
    layout.columns = (static_cast<int>(keys.size()) + layout.rows - 1) / layout.rows;
    return layout;
}

} // namespace

QPen teamPen(int32_t team) {
    const auto look = static_cast<size_t>(std::max(team - 1, 0));
    QPen pen(kColours[look % std::size(kColours)], 2.0,
             kDashes[look / std::size(kColours) % std::size(kDashes)]);
    return pen;
}

QIcon penSwatch(const QPen& pen) {
    QPixmap swatch(kSwatchWidth, 12);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(pen);
    painter.drawLine(1, 6, kSwatchWidth - 2, 6);
    return QIcon(swatch);
}

QSize chartPictureSize(const QChartView& view, const QList<ChartKey>& keys) {
    const KeyLayout layout = keyLayout(view, keys);
    return {view.width() + layout.columns * layout.columnWidth, view.height()};
}

void paintChartPicture(QPainter& painter, QChartView& view, const QList<ChartKey>& keys) {
    const KeyLayout layout = keyLayout(view, keys);
    const QSize size = chartPictureSize(view, keys);
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    view.render(&painter, QRectF(0, 0, view.width(), view.height()));
    painter.setFont(view.chart()->font());
    for (int i = 0; i < keys.size(); ++i) {
        const int x = view.width() + (i / layout.rows) * layout.columnWidth + kGap;
        const int y = kGap + (i % layout.rows) * layout.rowHeight;
        const int middle = y + layout.rowHeight / 2;
        painter.setPen(keys[i].pen);
        painter.drawLine(x, middle, x + kSwatchWidth - 4, middle);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x + kSwatchWidth, y, layout.columnWidth, layout.rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, keys[i].name);
    }
}

} // namespace grd
