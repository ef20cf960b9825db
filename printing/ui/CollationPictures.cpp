#include "printing/ui/CollationPictures.h"

#include <QPainter>

namespace grd {

namespace {

constexpr int kSheet = 18;
constexpr int kStep = 5;

void drawSheet(QPainter& painter, QPoint at, int number) {
    QRect sheet(at, QSize(kSheet, kSheet + 4));
    painter.setBrush(Qt::white);
    painter.drawRect(sheet);
    painter.drawText(sheet, Qt::AlignCenter, QString::number(number));
}

} // namespace

QPixmap collationPicture(bool collated) {
    QPixmap picture(2 * (kSheet + 2 * kStep) + 16, kSheet + 2 * kStep + 6);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int stack = 0; stack < 2; ++stack) {
        const int left = stack * (kSheet + 2 * kStep + 12);
        // Two copies of three pages, the first sheet of each stack in front.
        static constexpr int kCollated[2][3] = {{1, 2, 3}, {1, 2, 3}};
        static constexpr int kUncollated[2][3] = {{1, 1, 2}, {2, 3, 3}};
        for (int sheet = 2; sheet >= 0; --sheet) {
            const int number = collated ? kCollated[stack][sheet] : kUncollated[stack][sheet];
            drawSheet(painter, QPoint(left + sheet * kStep, sheet * kStep), number);
        }
    }
    return picture;
}

} // namespace grd
