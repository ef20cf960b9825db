#pragma once

#include "views/UserLayout.h"

namespace grd {

class DisplayHost;

// Window | Save Layout: copies every open view window into its record (place, size,
// state, column order and widths) and the stacking order, the active window first,
// into layout. The records of closed windows stay as they were.
void captureUserLayout(DisplayHost& host, UserLayout& layout);

// Restore User Layout, once the font is set: opens the layout's windows that the
// loaded data can show, the topmost last, then puts each at its saved place (pulled
// inside the main window), with its saved columns and state.
void openUserLayout(DisplayHost& host, const UserLayout& layout);

} // namespace grd
