#pragma once

#include "printing/TableFormat.h"

#include <functional>

namespace grd {

// The width of the first n characters of some text, in pixels.
using PrefixWidth = std::function<int(int n)>;

// The longest prefix of a length-character text no wider than room, found by halving;
// 0 when not even one character fits.
int longestFittingPrefix(int length, int room, const PrefixWidth& widthOf);

// Where a text of length characters that is too wide breaks when wrapped: after the
// last blank of the fitting prefix, or mid-word when it holds none. The break is at
// least one character so that wrapping always moves on.
struct WrapBreak {
    int keep = 0;   // characters on this line
    int resume = 0; // where the rest starts (a blank at the break is dropped)
};
WrapBreak wrapBreak(int length, int room, const PrefixWidth& widthOf,
                    const std::function<bool(int)>& isBlank);

// The small gap that keeps cell text off the column edges: 6 pixels at 300 dpi.
int cellGap(int dpi);

// Where text of textWidth starts inside a column of width pixels.
int cellOffset(CellAlignment align, int width, int textWidth, int dpi);

enum class TLineSpacing {
    lsHalfSpace,
    lsSingleSpace,
    lsSingleAndAQuarter,
    lsSingleAndAHalf,
    lsDoubleSpace
};

// The line height for a font of fontHeight pixels.
int lineHeightFor(int fontHeight, TLineSpacing spacing);

} // namespace grd
