#pragma once

#include "views/ui/TDisplayForm.h"

namespace grd {

// The final scores stored in a loaded archive file.
class TArchiveScoresForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TArchiveScoresForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;
};

} // namespace grd
