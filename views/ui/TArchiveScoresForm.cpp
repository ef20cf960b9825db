#include "views/ui/TArchiveScoresForm.h"

#include "views/GameListView.h"

namespace grd {

TArchiveScoresForm::TArchiveScoresForm(DisplayHost& host, QWidget* parent)
    : TGameListForm(host, kArchiveScoresWindow, parent) {}

GridContent TArchiveScoresForm::gameListGrid(const AppState& app, bool cityNames) const {
    return archiveScoresGrid(*app.rankings, app.league, cityNames);
}

} // namespace grd
