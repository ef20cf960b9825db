#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>

#include <functional>

namespace grd {

// A dialog's OK, Cancel and Help buttons, named as the tests find them (OKBtn, CancelBtn,
// HelpBtn): OK is the default button and accepts, Cancel rejects, Help calls onHelp.
struct DialogButtons {
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
};

DialogButtons okCancelHelpButtons(QDialog* dialog, const QString& helpCaption,
                                  std::function<void()> onHelp);

} // namespace grd
