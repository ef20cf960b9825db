#include "views/ColumnMap.h"

#include <algorithm>

namespace grd {
namespace {

bool inRange(int position) {
    return position >= 0 && position < kMaxColumns;
}

} // namespace

ColumnMap::ColumnMap() {
    for (int i = 0; i < kMaxColumns; ++i) {
        order_[static_cast<size_t>(i)] = i;
    }
    rebuildInverse();
}

void ColumnMap::move(int from, int to) {
    if (from == to || !inRange(from) || !inRange(to)) {
        return;
    }
    const auto begin = order_.begin();
    if (from < to) {
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    } else {
        std::rotate(begin + to, begin + from, begin + from + 1);
    }
    rebuildInverse();
}

bool ColumnMap::setOrder(const std::array<int, kMaxColumns>& order) {
    std::array<bool, kMaxColumns> seen{};
    for (int value : order) {
        if (!inRange(value) || seen[static_cast<size_t>(value)]) {
            return false;
        }
        seen[static_cast<size_t>(value)] = true;
    }
    order_ = order;
    rebuildInverse();
    return true;
}

int ColumnMap::logicalAt(int display) const {
    return inRange(display) ? order_[static_cast<size_t>(display)] : display;
}

int ColumnMap::displayOf(int logical) const {
    return inRange(logical) ? inverse_[static_cast<size_t>(logical)] : logical;
}

void ColumnMap::rebuildInverse() {
    for (int j = 0; j < kMaxColumns; ++j) {
        inverse_[static_cast<size_t>(order_[static_cast<size_t>(j)])] = j;
    }
}

} // namespace grd
