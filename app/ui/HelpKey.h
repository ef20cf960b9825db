#pragma once

#include <QObject>

class QMdiArea;

namespace grd {

// The program's one F1 handler. A shortcut per window made the key ambiguous as soon
// as a display window was open, so Qt fired none of them; this filter takes F1 before
// any shortcut and opens the topic of the dialog or child window in use, else the
// main window's.
class HelpKey : public QObject {
    Q_OBJECT
public:
    // area: the main window's child windows; mainContext: its own topic.
    HelpKey(QMdiArea* area, int mainContext, QObject* parent);

    // The topic F1 opens now; 0 when the window in use has none.
    int context() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiArea* area_;
    int mainContext_;
};

} // namespace grd
