#pragma once

#include <QObject>

namespace grd {

// The "Flyby" preference: the short hints that pop up over the controls of every
// window and dialog. Turned off, none shows; the long hints in the status line stay.
class FlybyHints : public QObject {
    Q_OBJECT
public:
    explicit FlybyHints(QObject* parent);

    void setShown(bool shown) { shown_ = shown; }
    bool shown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool shown_ = true;
};

} // namespace grd
