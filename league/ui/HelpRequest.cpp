#include "league/ui/HelpRequest.h"

#include <utility>

namespace grd {
namespace {

HelpHandler& handler() {
    static HelpHandler registered;
    return registered;
}

} // namespace

void setHelpHandler(HelpHandler handler_) {
    handler() = std::move(handler_);
}

bool requestHelp(int context) {
    if (!handler()) {
        return false;
    }
    handler()(context);
    return true;
}

} // namespace grd
