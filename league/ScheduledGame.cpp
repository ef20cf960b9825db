#include "league/ScheduledGame.h"

namespace grd {

int ScheduledGame::sectionHeading() const {
    for (int k = 0; k < 5; ++k) {
        if ((flags & kSectionFlags[k]) != 0) {
            return k + 1;
        }
    }
    return 0;
}

} // namespace grd
