#include "views/ui/TSpreadsForm.h"

#include "views/GameListView.h"
#include "views/ui/DisplayHost.h"

namespace grd {

TSpreadsForm::TSpreadsForm(DisplayHost& host, QWidget* parent)
    : TDisplayForm(host, kSpreadsWindow, parent) {}

void TSpreadsForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    measure(recalcPosition, recalcWidths);
    const AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    const tPrefsRec& prefs = app.prefs.view;
    setContent(spreadsGrid(app.program, app.league, prefs.cityNames));
}

} // namespace grd
