// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TableModel.h"

#include <limits>

#include "platform/ReadableAccidentals.h"

namespace orvel {

TableModel::TableModel(QStringList columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

int TableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    // A view counts rows in int; more than it can count are not shown.
    return static_cast<int>(std::min<std::size_t>(RowCount(), std::numeric_limits<int>::max()));
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QString TableModel::Cell(std::size_t row, int column) const {
    return row < RowCount() ? rows_->Cell(row, column) : QString();
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return Cell(static_cast<std::size_t>(index.row()), index.column());
        case Qt::ToolTipRole: {
            const QString text = Cell(static_cast<std::size_t>(index.row()), index.column());
            return text.isEmpty() ? QVariant() : QVariant(ReadableToolTip(text));
        }
        default:
            return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < columns_.size()) {
        return columns_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TableModel::SetRows(std::shared_ptr<const ListRows> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

}  // namespace orvel
