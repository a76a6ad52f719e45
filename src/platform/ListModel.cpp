#include "ListModel.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace orvel {

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
    // A view addresses rows with int; rows past that cannot be shown.
    return parent.isValid() ? 0
                            : static_cast<int>(std::min<std::size_t>(
                                  rowCount_, std::numeric_limits<int>::max()));
}

int ListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columnCount_;
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) {
        return {};
    }
    return Cell(static_cast<std::size_t>(index.row()), index.column());
}

void ListModel::SetColumnCount(int columnCount) {
    beginResetModel();
    columnCount_ = columnCount;
    endResetModel();
}

const ListModel::Segment& ListModel::SegmentOf(std::size_t row) const {
    const auto after =
        std::upper_bound(segments_.begin(), segments_.end(), row,
                         [](std::size_t r, const Segment& s) { return r < s.firstRow; });
    return *(after - 1);
}

QString ListModel::Cell(std::size_t row, int column) const {
    if (row >= rowCount_ || column < 0 || column >= columnCount_) {
        throw std::out_of_range("the list has no cell " + std::to_string(row) + ", " +
                                std::to_string(column));
    }
    const Segment& segment = SegmentOf(row);
    return segment.rows->Cell(row - segment.firstRow, column);
}

void ListModel::AddRow(const QStringList& cells) {
    const int row =
        static_cast<int>(std::min<std::size_t>(rowCount_, std::numeric_limits<int>::max()));
    beginInsertRows(QModelIndex(), row, row);
    if (!openAddedRows_) {
        openAddedRows_ = std::make_shared<AddedRows>();
        segments_.push_back({openAddedRows_, rowCount_});
    }
    openAddedRows_->Add(cells);
    ++rowCount_;
    endInsertRows();
}

void ListModel::AppendRows(std::shared_ptr<const ListRows> rows) {
    if (!rows || rows->RowCount() == 0) {
        return;
    }
    const std::size_t count = rows->RowCount();
    if (rowCount_ == 0) {
        // Into an empty list a reset is the cheaper news for a view: it lays
        // out millions of rows in one step, and there is no selection to keep.
        beginResetModel();
        segments_.push_back({std::move(rows), 0});
        rowCount_ = count;
        openAddedRows_.reset();
        endResetModel();
        return;
    }
    const auto first =
        static_cast<int>(std::min<std::size_t>(rowCount_, std::numeric_limits<int>::max()));
    const auto last = static_cast<int>(std::min<std::size_t>(rowCount_ + count,
                                                             std::numeric_limits<int>::max())) -
                      1;
    const bool visible = last >= first;
    if (visible) {
        beginInsertRows(QModelIndex(), first, last);
    }
    segments_.push_back({std::move(rows), rowCount_});
    rowCount_ += count;
    openAddedRows_.reset();
    if (visible) {
        endInsertRows();
    }
}

void ListModel::DeleteAllRows() {
    beginResetModel();
    segments_.clear();
    openAddedRows_.reset();
    rowCount_ = 0;
    endResetModel();
}

}  // namespace orvel
