// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list of rows in columns, one row selectable at a time.
//
// Column widths are shares of the list's width ("35%,50%,15%,0%"); a column
// of zero width holds a text per row but never shows. Rows come one at a time
// (AddRow) or in bulk from one ListRows source (SetRows), whose texts are
// read only for the rows on screen. Change is raised whenever the selected
// row changes, to another row or to none, emptying the list included.
// Copy (the Edit menu, or Ctrl+C in the list) puts the selected row's visible
// cells on the clipboard, separated by tabs. From the keyboard, the first
// arrow press selects the first row, Home and End the first and last; a list
// scrolls to its top when its rows are replaced. A cell too narrow for its
// text shows the text in full as its tooltip.

#include <QStringList>
#include <QTableView>
#include <memory>
#include <vector>

#include "platform/Control.h"
#include "platform/EditTarget.h"
#include "platform/ListModel.h"

namespace orvel {

class ListBox : public QTableView, public Control, public EditTarget {
  public:
    ListBox(Window& window, std::int64_t index = kNoIndex);

    int ColumnCount() const { return model_->columnCount(); }
    std::size_t RowCount() const { return model_->RowCount(); }

    // The selected row, or -1 when none is.
    std::int64_t ListIndex() const { return listIndex_; }
    void SetListIndex(std::int64_t row);

    // The text of a cell; std::out_of_range for a cell the list does not have.
    QString Cell(std::size_t row, int column) const { return model_->Cell(row, column); }

    // Adds a row after the rows added before it (not after bulk rows).
    void AddRow(const QStringList& cells);
    // Shows `rows` in place of every row shown before.
    void SetRows(std::shared_ptr<const ListRows> rows);
    void DeleteAllRows();

    // The share of the width of each column, in percent.
    const std::vector<double>& ColumnShares() const { return columnShares_; }

    bool CanEdit(EditCommand command) const override;
    void Edit(EditCommand command) override;

    std::function<void(ListBox&)> Change;
    // Raised when the user opens the selected row: a double-click or Enter.
    std::function<void(ListBox&)> Activate;

    // Adds an entry to the list's context menu. A right click selects the row
    // under it first, so the entry acts on the selected row.
    // A `shortcut` works while the list has the focus.
    void AddContextEntry(const QString& text, std::function<void(ListBox&)> triggered,
                         const QKeySequence& shortcut = {});

    // One grey line the list paints in its viewport while it has no rows,
    // saying why; empty for none. It is no control and takes no focus.
    void SetEmptyText(const QString& text);
    const QString& EmptyText() const { return emptyText_; }

  protected:
    bool ApplyOwn(const Property& property) override;
    QString KindName() const override { return "ListBox"; }
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A cell whose text does not fit shows it in full as its tooltip.
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    class RowDelegate;

    void SetColumnWidths(const QString& widths);
    void LayOutColumns();
    void FollowSelection();
    void ApplyScrollBars();

    ListModel* model_;
    std::int64_t listIndex_ = -1;
    std::vector<double> columnShares_;
    bool verticalScrollBar_ = true;
    bool horizontalScrollBar_ = false;
    bool autoHideScrollBars_ = true;
    QString emptyText_;
};

}  // namespace orvel
