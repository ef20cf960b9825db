#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace grd {

// The print dialog of a preview: printer name, page range, copies and collation.
class TMyPrintDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 520;

    // limit: the last page (or report) that can be asked for; Pages can be chosen only
    // when pagesAllowed and there are at least two.
    TMyPrintDialog(const QString& printerName, int limit, bool pagesAllowed,
                   QWidget* parent = nullptr);

    bool allPages() const;
    int fromPage() const;
    int toPage() const;
    int copies() const;
    bool collate() const;

    // Which collation picture is shown: true for the collated one.
    bool showsCollatedPicture() const { return collatedShown_; }

private:
    void CollateCheckBoxClick();
    void PagesChangeClick();
    void PrintBtnClick();

    int limit_;
    bool collatedShown_ = false;
    QRadioButton* AllRB = nullptr;
    QRadioButton* PagesRB = nullptr;
    QLabel* FromLabel = nullptr;
    QLabel* ToLabel = nullptr;
    QLineEdit* FromME = nullptr;
    QLineEdit* ToME = nullptr;
    QSpinBox* NumCopiesUpDown = nullptr;
    QCheckBox* CollateCheckBox = nullptr;
    QLabel* CollatePicture = nullptr;
};

} // namespace grd
