#pragma once

// The program shows help in its own window; the library reaches it by name, as it
// cannot link the program. Both are quiet when the program offers no help.
void requestHelp(int context);
// Closes every top-level window titled "GRD Oddsmith Help".
void closeHelpWindows();
