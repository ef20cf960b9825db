#pragma once

class QMdiArea;
class QString;
class QWidget;

namespace grd {

// Whether the active child window has a grid to export: it answers csvText().
bool canExportCsv(QMdiArea* area);

// File | Export as CSV: asks for a file name and writes the active window's grid there
// as CSV (replaced atomically). A failed write says why and leaves any file as it was.
void exportActiveWindowCsv(QMdiArea* area, QWidget* parent);

/**
 * Sets the file name the next export writes instead of showing the file dialog; an
 * empty name answers Cancel.
 * Use only for testing.
 */
void setNextCsvFileName(const QString& fileName);

} // namespace grd
