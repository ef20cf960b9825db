#include "views/ui/TSpreadsForm.h"

#include "views/GameListView.h"

namespace grd {

TSpreadsForm::TSpreadsForm(DisplayHost& host, QWidget* parent)
    : TGameListForm(host, kSpreadsWindow, parent) {}

GridContent TSpreadsForm::gameListGrid(const AppState& app, bool cityNames) const {
    return spreadsGrid(app.program, app.league, cityNames);
}

} // namespace grd
