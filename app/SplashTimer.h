#pragma once

namespace grd {

// The one-second timer that closes the splash screen: it waits for a second tick
// and for the main window to be visible, so the splash is seen however fast the
// data loads.
class SplashTimer {
public:
    enum class Action {
        None,           // keep waiting
        Close,          // stop the timer and close the splash; start-up failed
        CloseAndEnable, // stop the timer, close the splash and enable the menus
    };

    void start();
    bool pending() const { return pending_; }
    Action tick(bool windowVisible, bool startupFailed);

private:
    bool pending_ = false;
    int ticks_ = 0;
};

} // namespace grd
