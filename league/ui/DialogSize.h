#pragma once

#include <QSize>

class QDialog;

namespace grd {

// Fixes a dialog at the size of its content, at least least, and wide enough for its
// full caption.
void fixSize(QDialog* dialog, QSize least = {});

} // namespace grd
