#include "views/ui/TDivisionRankForm.h"

#include "views/DivisionRankingsView.h"
#include "views/ui/DisplayHost.h"

namespace grd {

TDivisionRankForm::TDivisionRankForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kDivisionRankWindow, parent) {}

void TDivisionRankForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    measure(recalcPosition, recalcWidths);
    AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    const tPrefsRec& prefs = app.prefs.view;
    setContent(divisionRankingsGrid(*app.rankings, app.league,
                                    {app.program.sortKey, prefs.cityNames, prefs.rowHighlight}));
}

} // namespace grd
