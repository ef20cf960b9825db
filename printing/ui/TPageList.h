#pragma once

#include "printing/PageGeometry.h"

#include <QPicture>

#include <vector>

namespace grd {

// One finished page: its drawing recorded in printer pixels, with the page it was
// recorded for (pages of one run may differ in orientation).
struct RecordedPage {
    QPicture picture;
    PageMetrics metrics;
};

// The pages of a document, in order.
class TPageList {
public:
    void append(RecordedPage page) { pages_.push_back(std::move(page)); }
    int count() const { return static_cast<int>(pages_.size()); }
    bool empty() const { return pages_.empty(); }
    // Page n counts from 1.
    const RecordedPage& page(int n) const { return pages_.at(static_cast<size_t>(n - 1)); }
    void clear() { pages_.clear(); }

private:
    std::vector<RecordedPage> pages_;
};

} // namespace grd
