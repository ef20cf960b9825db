#include "printing/ReportSelection.h"

#include <cstddef>

namespace grd {

bool ReportSelection::add(int kind) {
    if (count >= kSlots) {
        return false;
    }
    kinds[static_cast<std::size_t>(count++)] = kind;
    return true;
}

} // namespace grd
