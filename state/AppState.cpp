#include "state/AppState.h"

namespace grd {

int AppState::openWindowCount() const {
    int n = 0;
    for (int code = kFirstWindowCode; code <= kLastWindowCode; ++code)
        n += windowOpen[code] ? 1 : 0;
    return n;
}

} // namespace grd
