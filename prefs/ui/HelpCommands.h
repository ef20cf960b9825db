#pragma once

namespace grd {

// The help commands, apart from the window that carries them out so that the service
// the companion library calls does not depend on that window.

// Opens the help topic of a context number (0 or an unknown number opens the first
// page); a missing help bundle is reported as error -52 with its path.
void showHelp(int context);
// Opens the help window on its table of contents.
void showHelpContents();
// Closes the help window if it is open.
void closeHelp();

} // namespace grd
