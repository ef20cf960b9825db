#include "views/ui/TArchiveScoresForm.h"

#include "views/GameListView.h"
#include "views/ui/DisplayHost.h"

namespace grd {

TArchiveScoresForm::TArchiveScoresForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kArchiveScoresWindow, parent) {}

void TArchiveScoresForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    measure(recalcPosition, recalcWidths);
    const AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    const tPrefsRec& prefs = app.prefs.view;
    setContent(archiveScoresGrid(*app.rankings, app.league, prefs.cityNames));
}

} // namespace grd
