#pragma once

#include "printing/ReportChoices.h"

#include <QDialog>

class QCheckBox;

namespace grd {

struct tPrefsRec;

// Asks which reports a print run produces; the boxes start from the choices
// remembered in the preferences, and OK remembers them again.
class TPrintChoiceDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 310;

    // available enables the boxes; archive starts the spreads boxes from the archive's
    // remembered choices.
    TPrintChoiceDlg(tPrefsRec& prefs, const ReportChoices& available, bool archive,
                    QWidget* parent = nullptr);

    // The boxes both ticked and enabled.
    ReportChoices chosen() const;

private:
    void FormCreate();
    void OKBtnClick();

    tPrefsRec& prefs_;
    QCheckBox* TeamRankCB = nullptr;
    QCheckBox* DivRankCB = nullptr;
    QCheckBox* CatRankCB = nullptr;
    QCheckBox* SpreadsGridCB = nullptr;
    QCheckBox* SpreadsPlainCB = nullptr;
    QCheckBox* ArchiveScoresCB = nullptr;
};

} // namespace grd
