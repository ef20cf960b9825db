#include "league/ui/DialogSize.h"

#include <QDialog>
#include <QFontMetrics>

#include <algorithm>

namespace grd {

void fixSize(QDialog* dialog, QSize least) {
    QFont captionFont = dialog->font();
    captionFont.setBold(true);
    QFontMetrics caption(captionFont);
    // The frame puts its icon and three buttons beside the caption text.
    int captionWidth =
        caption.horizontalAdvance(dialog->windowTitle()) + 5 * (caption.height() + 8);
    QSize size = dialog->sizeHint().expandedTo(least);
    dialog->setFixedSize(std::max(size.width(), captionWidth), size.height());
}

} // namespace grd
