#pragma once

namespace grd {

// Names the application and gives it its icon. No display name is set: Qt would add
// it to every window's caption, and the captions are meant to stand alone.
void setUpApplication();

} // namespace grd
