#include "tasks/ui/ScoreBox.h"

#include "league/ScoreText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace grd {

ScoreBox::ScoreBox(const char* objectName, QWidget* parent) : QComboBox(parent) {
    setObjectName(QLatin1String(objectName));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The editable box's inline completer would take an Enter that meets fully
    // selected text (after a Tab, at opening) and the game would not be entered.
    setCompleter(nullptr);
    for (int score = 0; score <= kHighestScore; ++score) {
        addItem(QString::number(score));
    }
    lineEdit()->setMaxLength(2);
    lineEdit()->installEventFilter(this);
    reset();
}

void ScoreBox::reset() {
    setCurrentIndex(QString::fromLatin1(kDefaultScoreText.data(),
                                        static_cast<qsizetype>(kDefaultScoreText.size()))
                        .toInt());
    lineEdit()->selectAll();
}

void ScoreBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit entered();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace grd

namespace grd {

void ScoreBox::takeFocus() {
    setFocus();
    lineEdit()->selectAll();
}

// A box holds a whole score: whatever brings the focus to it selects the score, so
// that typing replaces it instead of being refused at two characters.
void ScoreBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (event->reason() == Qt::MouseFocusReason) {
        // The press places the cursor after the focus arrives.
        selectOnRelease_ = true;
    } else {
        lineEdit()->selectAll();
    }
}

bool ScoreBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit()) {
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            selectOnRelease_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease && selectOnRelease_) {
            selectOnRelease_ = false;
            lineEdit()->selectAll();
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace grd
