#pragma once

#include "views/ui/TGameListForm.h"

namespace grd {

// The spreads forecast in this run of the program.
class TSpreadsForm : public TGameListForm {
    Q_OBJECT
public:
    explicit TSpreadsForm(DisplayHost& host, QWidget* parent = nullptr);

protected:
    GridContent gameListGrid(const AppState& app, bool cityNames) const override;
};

} // namespace grd
