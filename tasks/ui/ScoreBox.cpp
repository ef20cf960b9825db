#include "tasks/ui/ScoreBox.h"

#include "league/ScoreText.h"

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
