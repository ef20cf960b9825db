#pragma once

#include <QPixmap>

namespace grd {

// Two stacks of numbered sheets: 1 2 3, 1 2 3 when collated, 1 1, 2 2, 3 3 when not.
QPixmap collationPicture(bool collated);

} // namespace grd
