#include "prefs/ui/FontConversion.h"

namespace grd {

QFont toQFont(const FontPrefs& prefs) {
    QFont font(QString::fromStdString(prefs.name));
    if (prefs.size > 0)
        font.setPointSize(prefs.size);
    font.setBold((prefs.style & kFontBold) != 0);
    font.setItalic((prefs.style & kFontItalic) != 0);
    font.setUnderline((prefs.style & kFontUnderline) != 0);
    font.setStrikeOut((prefs.style & kFontStrikeOut) != 0);
    return font;
}

FontPrefs toFontPrefs(const QFont& font, int32_t colour) {
    FontPrefs prefs;
    prefs.name = font.family().toStdString();
    prefs.size = font.pointSize() > 0 ? font.pointSize() : prefs.size;
    prefs.colour = colour;
    prefs.style = (font.bold() ? kFontBold : 0) | (font.italic() ? kFontItalic : 0) |
                  (font.underline() ? kFontUnderline : 0) | (font.strikeOut() ? kFontStrikeOut : 0);
    return prefs;
}

QColor toQColor(int32_t colour) {
    if (colour < 0)
        return Qt::black;
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace grd
