// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListModel.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <vector>

namespace orvel {

namespace {

// A view addresses rows with int; rows past that cannot be shown.
int ViewRows(std::size_t rows) {
    return static_cast<int>(std::min<std::size_t>(rows, std::numeric_limits<int>::max()));
}

}  // namespace

// Rows added one at a time with AddRow, kept as their texts.
class ListModel::AddedRows final : public ListRows {
  public:
    std::size_t RowCount() const override { return rows_.size(); }
    QString Cell(std::size_t row, int column) const override {
        const QStringList& cells = rows_[row];
        return column < cells.size() ? cells[column] : QString();
    }
    void Add(const QStringList& cells) { rows_.push_back(cells); }

  private:
    std::vector<QStringList> rows_;
};

ListModel::ListModel(int columnCount, QObject* parent)
    : QAbstractTableModel(parent), columnCount_(columnCount) {}

int ListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ViewRows(RowCount());
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    const QString text = Cell(static_cast<std::size_t>(index.row()), index.column());
    // Laying out a huge text on every repaint would freeze the window; no
    // column shows more than this anyway.
    return text.size() <= kShownCharacters ? text : text.left(kShownCharacters) + QChar(0x2026);
}

void ListModel::SetColumnCount(int columnCount) {
    beginResetModel();
    columnCount_ = columnCount;
    endResetModel();
}

QString ListModel::Cell(std::size_t row, int column) const {
    if (row >= RowCount() || column < 0 || column >= columnCount_) {
        throw std::out_of_range("the list has no cell " + std::to_string(row) + ", " +
                                std::to_string(column));
    }
    return rows_->Cell(row, column);
}

void ListModel::AddRow(const QStringList& cells) {
    if (!addedRows_) {
        if (RowCount() > 0) {
            throw std::logic_error("a list showing bulk rows takes no rows one at a time");
        }
        SetRows(nullptr);
        addedRows_ = std::make_shared<AddedRows>();
        rows_ = addedRows_;
    }
    const int row = ViewRows(RowCount());
    beginInsertRows(QModelIndex(), row, row);
    addedRows_->Add(cells);
    endInsertRows();
}

void ListModel::SetRows(std::shared_ptr<const ListRows> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    addedRows_.reset();
    endResetModel();
}

}  // namespace orvel
