#include "printing/PrintOrder.h"

#include <algorithm>

namespace grd {

PrintRange printRange(int pageCount, int fromPage, int toPage) {
    int first = fromPage > 0 ? std::min(fromPage, pageCount) : 1;
    int last = toPage > 0 ? std::min(toPage, pageCount) : pageCount;
    return {first, last};
}

std::vector<int> printOrder(const PrintRange& range, int copies, bool collate) {
    std::vector<int> pages;
    if (range.empty() || copies < 1)
        return pages;
    if (collate) {
        for (int copy = 0; copy < copies; ++copy)
            for (int page = range.first; page <= range.last; ++page)
                pages.push_back(page);
    } else {
        for (int page = range.first; page <= range.last; ++page)
            pages.insert(pages.end(), static_cast<size_t>(copies), page);
    }
    return pages;
}

std::string progressPageText(int page, const PrintRange& range, int copies) {
    std::string text = "Page " + std::to_string(page);
    if (range.first == 1)
        text += " of " + std::to_string(range.last);
    if (copies > 1)
        text += " of " + std::to_string(copies) + " Copies";
    return text;
}

} // namespace grd
