#pragma once

#include "views/ui/TDisplayForm.h"

namespace grd {

// The spreads forecast in this run of the program.
class TSpreadsForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TSpreadsForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;
};

} // namespace grd
