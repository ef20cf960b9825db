#pragma once

#include <QIcon>

namespace grd {

// The program's icon, drawn rather than shipped: a football on a green field.
QIcon appIcon();

} // namespace grd
