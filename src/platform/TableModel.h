// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thin model under the Tools windows' tables: column titles, and rows
// from one ListRows source whose cells are made when the view asks. A new
// source replaces the old one inside one model reset, so a table shows
// every row it is given, thousands as cheaply as ten. A cell's tooltip is
// its whole text, for names that the column cuts short.

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>

#include "platform/ListRows.h"

namespace orvel {

class TableModel final : public QAbstractTableModel {
  public:
    TableModel(QStringList columns, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Shows `rows` instead of whatever was shown; null shows none.
    void SetRows(std::shared_ptr<const ListRows> rows);
    std::size_t RowCount() const { return rows_ ? rows_->RowCount() : 0; }
    QString Cell(std::size_t row, int column) const;

  private:
    QStringList columns_;
    std::shared_ptr<const ListRows> rows_;
};

}  // namespace orvel
