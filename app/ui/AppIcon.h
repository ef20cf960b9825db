#pragma once

#include <QIcon>

namespace grd {

// The program's icon, drawn rather than shipped: a football on a green field.
QIcon appIcon();
// The Print tool button's printer, where the desktop's icon theme has none: dark
// enough to tell from its faded disabled look.
QIcon printerGlyph();

} // namespace grd
