#pragma once

#include "files/BoundedFile.h"

#include <QString>

#include <functional>

class QWidget;

namespace grd {

// Runs work on a thread of its own while a window-modal progress dialog shows how far
// it got and offers Cancel, so a long read never freezes the windows. work reports
// through the progress function it is given, which returns false once Cancel was
// pressed; work should then stop. Returns false when Cancel was pressed. work must
// not touch any widget.
bool runWithProgress(QWidget* parent, const QString& caption, const QString& label,
                     const std::function<void(const ReadProgress&)>& work);

} // namespace grd
