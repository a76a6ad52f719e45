#pragma once

// The thin table model under a ListBox: its rows are a sequence of row
// sources (bulk ListRows, and the rows added one at a time), looked up on
// demand. No item object exists per row.

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>
#include <vector>

#include "ListRows.h"

namespace orvel {

class ListModel final : public QAbstractTableModel {
  public:
    explicit ListModel(int columnCount, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void SetColumnCount(int columnCount);
    std::size_t RowCount() const { return rowCount_; }
    QString Cell(std::size_t row, int column) const;

    void AddRow(const QStringList& cells);
    void AppendRows(std::shared_ptr<const ListRows> rows);
    void DeleteAllRows();

  private:
    class AddedRows;
    struct Segment {
        std::shared_ptr<const ListRows> rows;
        std::size_t firstRow;
    };
    const Segment& SegmentOf(std::size_t row) const;

    int columnCount_;
    std::vector<Segment> segments_;
    std::size_t rowCount_ = 0;
    std::shared_ptr<AddedRows> openAddedRows_;  // the last segment, while AddRow extends it
};

}  // namespace orvel
