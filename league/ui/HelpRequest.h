#pragma once

#include <functional>

namespace grd {

// Help as the lowest windows ask for it. The help viewer sits in a layer above them,
// so it registers itself here and the error dialog opens topics without knowing it.
using HelpHandler = std::function<void(int context)>;

void setHelpHandler(HelpHandler handler);

// Opens the topic of a context number; false when no help viewer is registered.
bool requestHelp(int context);

} // namespace grd
