// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thin table model under a ListBox. Its rows come from one row source:
// either bulk ListRows handed over whole, or the rows added one at a time,
// kept as their texts. Texts are looked up on demand; no item object exists
// per row. A new source replaces the old one inside one model reset. A cell
// shows at most kShownCharacters of its text; Cell gives all of it.

#include <QAbstractTableModel>
#include <QStringList>
#include <memory>

#include "platform/ListRows.h"

namespace orvel {

class ListModel final : public QAbstractTableModel {
  public:
    static constexpr qsizetype kShownCharacters = 300;

    explicit ListModel(int columnCount, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void SetColumnCount(int columnCount);
    std::size_t RowCount() const { return rows_ ? rows_->RowCount() : 0; }
    // std::out_of_range for a cell the model does not have.
    QString Cell(std::size_t row, int column) const;

    // Adds a row after the rows added before it; std::logic_error while the
    // model shows bulk rows.
    void AddRow(const QStringList& cells);
    // Shows `rows` instead of whatever was shown; null shows no rows.
    void SetRows(std::shared_ptr<const ListRows> rows);

  private:
    class AddedRows;

    int columnCount_;
    std::shared_ptr<const ListRows> rows_;
    std::shared_ptr<AddedRows> addedRows_;  // rows_, while it holds rows added one at a time
};

}  // namespace orvel
