#include "app/SplashTimer.h"

namespace grd {

void SplashTimer::start() {
    pending_ = true;
    ticks_ = 0;
}

SplashTimer::Action SplashTimer::tick(bool windowVisible, bool startupFailed) {
    if (!pending_)
        return Action::None;
    ++ticks_;
    if (ticks_ < 2 || !(windowVisible || startupFailed))
        return Action::None;
    pending_ = false;
    return startupFailed ? Action::Close : Action::CloseAndEnable;
}

} // namespace grd
