#pragma once

#include "views/GridContent.h"

#include <QAbstractTableModel>

namespace grd {

// Serves a display window's cells to its grid, by logical column; the grid's header
// shows them in the user's column order.
class DisplayGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The CellMark of a cell or header section.
    static constexpr int MarkRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setContent(GridContent content);
    const GridContent& content() const { return content_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    GridContent content_;
};

} // namespace grd
