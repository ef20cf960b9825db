#pragma once

#include "views/ui/TGameListForm.h"

namespace grd {

// The spreads stored in a loaded archive file.
class TArchiveSpreadsForm : public TGameListForm {
    Q_OBJECT
public:
    explicit TArchiveSpreadsForm(DisplayHost& host, QWidget* parent = nullptr);

protected:
    GridContent gameListGrid(const AppState& app, bool cityNames) const override;
};

} // namespace grd
