#pragma once

#include <QHeaderView>

namespace grd {

// The header row of a display grid; highlights the sections the model marks (the
// sorted column), drawn 2 pixels short at the right and bottom.
class DisplayHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit DisplayHeaderView(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

} // namespace grd
