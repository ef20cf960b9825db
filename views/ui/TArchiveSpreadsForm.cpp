#include "views/ui/TArchiveSpreadsForm.h"

#include "views/GameListView.h"

namespace grd {

TArchiveSpreadsForm::TArchiveSpreadsForm(DisplayHost& host, QWidget* parent)
    : TGameListForm(host, kArchiveSpreadsWindow, parent) {}

GridContent TArchiveSpreadsForm::gameListGrid(const AppState& app, bool cityNames) const {
    return archiveSpreadsGrid(*app.rankings, app.league, cityNames);
}

} // namespace grd
