#pragma once

#include "prefs/PrefsChoices.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QRadioButton;
class QTabWidget;

namespace grd {

// Options | Preferences: the general switches and the look of the view windows.
class TPrefsDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrefsDlg(const PrefsChoices& choices, QWidget* parent = nullptr);

    PrefsChoices choices() const;
    // The help topic of the page shown: General 470, Windows 510.
    int pageHelpContext() const;

    // Shows the dialog; the choices on OK, nothing on Cancel.
    static std::optional<PrefsChoices> Run(const PrefsChoices& choices, QWidget* parent);

private:
    QWidget* createGeneralPage();
    QWidget* createWindowsPage();
    QCheckBox* addBox(QWidget* page, const char* name, const QString& caption, int helpContext);

    QTabWidget* pages_ = nullptr;
    QCheckBox* ToolbarCB = nullptr;
    QCheckBox* StatusLineCB = nullptr;
    QCheckBox* FlybyCB = nullptr;
    QCheckBox* WelcomeCB = nullptr;
    QCheckBox* VertLinesCB = nullptr;
    QCheckBox* HorzLinesCB = nullptr;
    QCheckBox* HighlightCB = nullptr;
    QCheckBox* TeamToolbarCB = nullptr;
    QCheckBox* CatToolbarCB = nullptr;
    QCheckBox* SchedToolbarCB = nullptr;
    QRadioButton* namesTeam_ = nullptr;
    QRadioButton* namesCity_ = nullptr;
    QRadioButton* tileHorizontal_ = nullptr;
    QRadioButton* tileVertical_ = nullptr;
};

} // namespace grd
