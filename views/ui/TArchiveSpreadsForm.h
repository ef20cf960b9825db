#pragma once

#include "views/ui/TDisplayForm.h"

namespace grd {

// The spreads stored in a loaded archive file.
class TArchiveSpreadsForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TArchiveSpreadsForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;
};

} // namespace grd
