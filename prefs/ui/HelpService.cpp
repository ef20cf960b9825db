#include "prefs/ui/HelpService.h"

#include "prefs/ui/HelpCommands.h"

namespace grd {

void HelpService::showContext(int context) {
    showHelp(context);
}

} // namespace grd
