#pragma once

#include <optional>

class QWidget;

namespace grd {

// F1 opens the topic of the window or dialog in use; each names its topic here.
// A context of 0 says that the window has no topic, so F1 does nothing there.
void setHelpContext(QWidget* widget, int context);

// The topic named by the widget or the nearest of its parents within its window.
std::optional<int> helpContextOf(const QWidget* widget);

} // namespace grd
