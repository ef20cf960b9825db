#include "printing/TextFitting.h"

#include <algorithm>
#include <cstdlib>

namespace grd {

int longestFittingPrefix(int length, int room, const PrefixWidth& widthOf) {
    if (length <= 0 || widthOf(length) <= room)
        return std::max(length, 0);
    int low = 0;       // fits
    int high = length; // does not fit
    while (high - low > 1) {
        int middle = low + (high - low) / 2;
        if (widthOf(middle) <= room)
            low = middle;
        else
            high = middle;
    }
    return low;
}

WrapBreak wrapBreak(int length, int room, const PrefixWidth& widthOf,
                    const std::function<bool(int)>& isBlank) {
    int fits = longestFittingPrefix(length, room, widthOf);
    if (fits >= length)
        return {length, length};
    for (int blank = fits; blank > 0; --blank) {
        if (isBlank(blank))
            return {blank, blank + 1};
    }
    int keep = std::max(fits, 1);
    return {keep, keep};
}

int cellGap(int dpi) {
    return 6 * (dpi / 300);
}

int cellOffset(CellAlignment align, int width, int textWidth, int dpi) {
    int gap = textWidth < width - cellGap(dpi) ? cellGap(dpi) : 0;
    switch (align) {
    case CellAlignment::Right:
        return width - textWidth - gap;
    case CellAlignment::Centre:
        return (width - textWidth) / 2;
    case CellAlignment::Left:
        break;
    }
    return gap;
}

int lineHeightFor(int fontHeight, TLineSpacing spacing) {
    int h = std::abs(fontHeight);
    switch (spacing) {
    case TLineSpacing::lsHalfSpace:
        return h / 2;
    case TLineSpacing::lsSingleAndAQuarter:
        return h + h / 4;
    case TLineSpacing::lsSingleAndAHalf:
        return h + h / 2;
    case TLineSpacing::lsDoubleSpace:
        return 2 * h;
    case TLineSpacing::lsSingleSpace:
        break;
    }
    return h;
}

} // namespace grd
