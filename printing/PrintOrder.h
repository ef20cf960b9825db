#pragma once

#include <string>
#include <vector>

namespace grd {

// The pages a print run sends, in order. fromPage and toPage bound the range (0 leaves
// that end open, a bound past the last page stops at it); collated runs send the range
// copy by copy, uncollated ones each page copies times.
struct PrintRange {
    int first = 0;
    int last = 0;
    bool empty() const { return last < first; }
};
PrintRange printRange(int pageCount, int fromPage, int toPage);
std::vector<int> printOrder(const PrintRange& range, int copies, bool collate);

// The progress dialog's page line: "Page 3", " of 5" when the range starts at page 1,
// then " of 2 Copies" for more than one copy.
std::string progressPageText(int page, const PrintRange& range, int copies);

} // namespace grd
