#include "views/ui/DisplayGridModel.h"

#include <utility>

namespace grd {

void DisplayGridModel::setContent(GridContent content) {
    const bool sameShape = content.columnCount() == content_.columnCount() &&
                           content.rowCount() == content_.rowCount();
    if (sameShape) {
        // Keeps the header's column order and sizes; only the texts and marks change.
        content_ = std::move(content);
        if (content_.rowCount() > 0) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
        return;
    }
    if (content.columnCount() != content_.columnCount()) {
        beginResetModel();
        content_ = std::move(content);
        endResetModel();
        return;
    }
    const int oldRows = content_.rowCount();
    const int newRows = content.rowCount();
    if (newRows > oldRows) {
        beginInsertRows({}, oldRows, newRows - 1);
        content_ = std::move(content);
        endInsertRows();
    } else {
        beginRemoveRows({}, newRows, oldRows - 1);
        content_ = std::move(content);
        endRemoveRows();
    }
    if (newRows > 0) {
        emit dataChanged(index(0, 0), index(newRows - 1, columnCount() - 1));
    }
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int DisplayGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : content_.rowCount();
}

int DisplayGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : content_.columnCount();
}

QVariant DisplayGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(content_.text(index.row(), index.column()));
    }
    if (role == MarkRole) {
        return static_cast<int>(content_.markAt(index.row(), index.column()));
    }
    return {};
}

QVariant DisplayGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= content_.columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(content_.title(section));
    }
    if (role == MarkRole) {
        return static_cast<int>(content_.headerMarks[static_cast<size_t>(section)]);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

} // namespace grd
