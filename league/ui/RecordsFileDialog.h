#pragma once

#include <QString>

class QWidget;

namespace grd {

// Asks for a game records file (CSV); F1 in the chooser opens helpContext. Empty
// when the user cancelled.
QString chooseRecordsFile(QWidget* parent, const QString& caption, int helpContext);

} // namespace grd
