#pragma once

#include "state/AppState.h"
#include "views/ui/TDisplayForm.h"

namespace grd {

// The windows that list games (spreads, archive spreads, archive scores): drawn the
// same way, once the rankings are loaded; each differs only in its grid.
class TGameListForm : public TDisplayForm {
    Q_OBJECT
public:
    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;

protected:
    TGameListForm(DisplayHost& host, WindowCode code, QWidget* parent);

    virtual GridContent gameListGrid(const AppState& app, bool cityNames) const = 0;
};

} // namespace grd
