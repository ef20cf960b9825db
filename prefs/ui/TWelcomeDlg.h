#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;

namespace grd {

// Shown after start-up: points new users to the help topics they need first.
class TWelcomeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeDlg(QWidget* parent = nullptr);

    // The help topic of the selected item.
    int selectedHelpContext() const;
    // The Welcome preference after the dialog: off once "Don't Show" was ticked.
    bool showAgain() const;

    // Shows the dialog modally and gives the new Welcome preference. While a test
    // records its dialogs the dialog is not shown and the preference stays on.
    static bool ShowWelcome(QWidget* parent);

private:
    QButtonGroup* topics_ = nullptr;
    QCheckBox* DoNotShowCB = nullptr;
};

} // namespace grd
