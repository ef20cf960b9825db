#pragma once

#include "views/ui/TDisplayForm.h"

namespace grd {

// The standings division by division, each team ranked by its place league-wide.
class TDivisionRankForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TDivisionRankForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;
};

} // namespace grd
