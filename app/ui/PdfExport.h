#pragma once

#include "app/PdfRequest.h"

#include <string>

namespace grd {

// Writes the PDF of request from the data of programDir (ending in "/") without
// showing a window; failures go to standard error. Returns the process exit code.
int exportPdf(const PdfRequest& request, const std::string& programDir);

} // namespace grd
