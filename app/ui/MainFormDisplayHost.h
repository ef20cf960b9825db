#pragma once

#include "views/ui/DisplayHost.h"

namespace grd {

class TMainForm;

// The main window as the display windows' host.
class MainFormDisplayHost : public DisplayHost {
public:
    explicit MainFormDisplayHost(TMainForm& form) : form_(form) {}

    AppState& appState() override;
    ViewState& viewState() override { return views_; }
    QMdiArea* mdiArea() override;
    QFont displayFont() const override;
    void setDisplayFont(const QFont& font) override;
    void chooseFont() override;
    void resort(int sortKey) override;
    void windowOpened(WindowCode code, QWidget* window) override;
    void windowClosed(WindowCode code) override;
    void printReport(int kind, bool preview) override;
    void printSchedule(const GridContent& grid, int scheduleType, const std::string& viewName,
                       bool preview, QWidget* owner) override;
    void printLines(const QStringList& lines, const QString& title, bool preview,
                    QWidget* owner) override;

private:
    TMainForm& form_;
    ViewState views_;
};

// The host of the main window's display windows, made on first use and kept for the
// whole run, with the view choices that outlive the windows.
DisplayHost& displayHostOf(TMainForm& form);

} // namespace grd
