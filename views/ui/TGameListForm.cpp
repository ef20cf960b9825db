#include "views/ui/TGameListForm.h"

#include "views/ui/DisplayHost.h"

namespace grd {

TGameListForm::TGameListForm(DisplayHost& host, WindowCode code, QWidget* parent)
    : TDisplayForm(host, code, parent) {}

void TGameListForm::DrawTheGrid(bool recalcPosition, bool recalcWidths) {
    TDisplayForm::DrawTheGrid(recalcPosition, recalcWidths);
    measure(recalcPosition, recalcWidths);
    const AppState& app = host().appState();
    if (app.rankings == nullptr) {
        return;
    }
    setContent(gameListGrid(app, app.prefs.view.cityNames));
}

} // namespace grd
