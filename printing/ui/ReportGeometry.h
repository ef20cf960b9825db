#pragma once

#include <QString>

#include <vector>

namespace grd {

class PageWriter;

// The frame of a report page and the drawing steps its layouts are made of, in page
// pixels of the writer's open document.
class ReportGeometry {
public:
    // Measures the printable area; the frame starts as the whole of it.
    explicit ReportGeometry(PageWriter& writer);

    int LH = 0;
    int half = 0;
    int frameTop = 0;
    int frameBottom = 0;
    int frameLeft = 0;
    int frameRight = 0;

    int y() const;
    // A row of the current table format, and an empty row as a blank line.
    void row(const std::string& line);
    void row(const QString& line);
    void gap();
    // A rule from frameLeft to frameRight at y.
    void rule(int y);
    // A rule half a line down (not below the frame), then a blank line.
    void ruledGap();
    // No further row fits above the frame's bottom.
    bool full() const;
    void line(int x1, int y1, int x2, int y2);
    // Vertical lines at each of xs left of frameRight, from top to bottom.
    void columnLines(const std::vector<int>& xs, int top, int bottom);
    // The frame's rectangle, 4 pixels wide.
    void frame();

private:
    PageWriter& writer_;
};

} // namespace grd
