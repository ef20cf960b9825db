#pragma once

#include "prefs/FontPrefs.h"

#include <QColor>
#include <QFont>

namespace grd {

// Fonts as the preferences keep them and as the windows use them.
QFont toQFont(const FontPrefs& prefs);
// The colour is not part of a QFont, so it is carried over from the given value.
FontPrefs toFontPrefs(const QFont& font, int32_t colour);
// 0x00BBGGRR; negative values name system colours, which are shown black.
QColor toQColor(int32_t colour);

} // namespace grd
