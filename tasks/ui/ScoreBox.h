#pragma once

#include <QComboBox>

namespace grd {

// A score box: an editable list of the scores 0 to 98, two characters at most,
// standing at "21" until a game is accepted.
class ScoreBox : public QComboBox {
    Q_OBJECT

public:
    ScoreBox(const char* objectName, QWidget* parent);
    void reset();
    QString score() const { return currentText(); }
    // Takes the focus with the whole text selected, so typing replaces a refused score.
    void takeFocus();

signals:
    // Enter in the box does what the window's default button does.
    void entered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool selectOnRelease_ = false; // focused by a press: the release selects
};

} // namespace grd
