#pragma once

#include "views/ui/TGameListForm.h"

namespace grd {

// The final scores stored in a loaded archive file.
class TArchiveScoresForm : public TGameListForm {
    Q_OBJECT
public:
    explicit TArchiveScoresForm(DisplayHost& host, QWidget* parent = nullptr);

protected:
    GridContent gameListGrid(const AppState& app, bool cityNames) const override;
};

} // namespace grd
