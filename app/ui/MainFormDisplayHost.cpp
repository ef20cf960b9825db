#include "app/ui/MainFormDisplayHost.h"

#include "app/ui/TMainForm.h"
#include "prefs/ui/FontConversion.h"
#include "views/ui/DisplayWindows.h"

#include <QMdiArea>
#include <QObject>

namespace grd {
namespace {

// Keeps the host alive exactly as long as its main window.
class HostHolder : public QObject {
public:
    explicit HostHolder(TMainForm& form) : QObject(&form), host(form) {
        setObjectName(QStringLiteral("DisplayHostHolder"));
        connect(&form, &TMainForm::sortKeyChanged, this,
                [this](int sortKey) { applySortKey(host, sortKey); });
    }
    MainFormDisplayHost host;
};

} // namespace

AppState& MainFormDisplayHost::appState() {
    return form_.state();
}

QMdiArea* MainFormDisplayHost::mdiArea() {
    return form_.mdiArea();
}

QFont MainFormDisplayHost::displayFont() const {
    return form_.mainFont();
}

void MainFormDisplayHost::setDisplayFont(const QFont& font) {
    form_.setMainFont(font);
}

void MainFormDisplayHost::chooseFont() {
    form_.OptionsFont();
}

void MainFormDisplayHost::resort(int sortKey) {
    form_.ResortRankings(sortKey);
}

void MainFormDisplayHost::windowOpened(WindowCode code, QWidget* window) {
    form_.setViewWindow(code, window);
}

void MainFormDisplayHost::windowClosed(WindowCode code) {
    form_.setViewWindow(code, nullptr);
}

DisplayHost& displayHostOf(TMainForm& form) {
    auto* holder = form.findChild<HostHolder*>(QStringLiteral("DisplayHostHolder"),
                                               Qt::FindDirectChildrenOnly);
    if (holder == nullptr) {
        holder = new HostHolder(form);
    }
    return holder->host;
}

} // namespace grd
