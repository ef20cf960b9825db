#pragma once

#include "views/ui/TDisplayForm.h"

class QButtonGroup;

namespace grd {

// Every team in the order of the sort key with its ratings and statistics, and the
// league averages; its tool bar's buttons change the sort key for the whole program.
class TTeamRankForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TTeamRankForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;
    // Presses the sort button of a key; false when there is none.
    bool pressSortButton(int sortKey);

private:
    QButtonGroup* sortButtons_ = nullptr;
};

} // namespace grd
