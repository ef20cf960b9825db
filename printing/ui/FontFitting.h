#pragma once

#include <QFont>

#include <functional>

namespace grd {

class PageWriter;

// The page sizes were chosen for Letter paper: on narrower paper (A4 portrait) or with
// wider margins the right-hand columns would be cut off. Sets the writer's font to font,
// lowered in half points (to 6 at the least) until wanted, the printed width of what
// must fit across the page in the writer's font, fits its printable width. The stored
// font size stays as the user set it.
void fitFontToPrintableWidth(PageWriter& writer, QFont font, const std::function<int()>& wanted);

// A layout meant for one page that a few lines overflow: lowers the writer's font in
// half points until lines lines fit the printable height, when they fit at 6 points;
// otherwise leaves the font, and the text takes the pages it needs.
void fitFontToOnePage(PageWriter& writer, int lines);

} // namespace grd
