#include "views/ui/TArchiveSpreadsForm.h"

#include "views/GameListView.h"
#include "views/ui/DisplayHost.h"

namespace grd {

TArchiveSpreadsForm::TArchiveSpreadsForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kArchiveSpreadsWindow, parent) {}

void TArchiveSpreadsForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    measure(recalcPosition, recalcWidths);
    const AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    const tPrefsRec& prefs = app.prefs.view;
    setContent(archiveSpreadsGrid(*app.rankings, app.league, prefs.cityNames));
}

} // namespace grd
