#include "app/ui/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace grd {

namespace {

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2e, 0x7d, 0x32));
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);

    painter.translate(s / 2, s / 2);
    painter.rotate(-35);
    painter.setBrush(QColor(0x8d, 0x4e, 0x24));
    painter.setPen(QPen(QColor(0x4e, 0x2a, 0x12), s / 32));
    painter.drawEllipse(QRectF(-s * 0.42, -s * 0.25, s * 0.84, s * 0.5));
    // The laces.
    painter.setPen(QPen(Qt::white, s / 20, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-s * 0.16, 0), QPointF(s * 0.16, 0));
    for (int i = -2; i <= 2; ++i)
        painter.drawLine(QPointF(i * s * 0.06, -s * 0.05), QPointF(i * s * 0.06, s * 0.05));
    return pixmap;
}

QPixmap drawPrinter(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const QPen outline(QColor(0x26, 0x32, 0x38), s / 16);
    painter.setPen(outline);
    painter.setBrush(Qt::white); // the sheet fed in at the top
    painter.drawRect(QRectF(s * 0.28, s * 0.06, s * 0.44, s * 0.34));
    painter.setBrush(QColor(0x45, 0x5a, 0x64)); // the body
    painter.drawRoundedRect(QRectF(s * 0.06, s * 0.36, s * 0.88, s * 0.38), s * 0.08, s * 0.08);
    painter.setBrush(Qt::white); // the printed sheet coming out
    painter.drawRect(QRectF(s * 0.24, s * 0.62, s * 0.52, s * 0.32));
    painter.setPen(QPen(QColor(0x19, 0x76, 0xd2), s / 14));
    for (const qreal y : {0.72, 0.82})
        painter.drawLine(QPointF(s * 0.32, s * y), QPointF(s * 0.68, s * y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x66, 0xbb, 0x6a)); // the power light
    painter.drawEllipse(QRectF(s * 0.76, s * 0.44, s * 0.1, s * 0.1));
    return pixmap;
}

} // namespace

QIcon printerGlyph() {
    QIcon icon;
    for (int size : {16, 22, 24, 32})
        icon.addPixmap(drawPrinter(size));
    return icon;
}

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawIcon(size));
    return icon;
}

} // namespace grd
