#include "prefs/ui/HelpService.h"

#include "prefs/ui/HelpWindow.h"

namespace grd {

void HelpService::showContext(int context) {
    showHelp(context);
}

} // namespace grd
