// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rows handed to a ListBox in bulk. The list asks for a cell's text only when
// it shows or reads that cell, so a source can hold millions of rows without
// the list copying their texts.

#include <QString>
#include <cstddef>

namespace orvel {

class ListRows {
  public:
    virtual ~ListRows() = default;
    virtual std::size_t RowCount() const = 0;
    // The text of cell `column` of row `row`; empty past the row's cells.
    virtual QString Cell(std::size_t row, int column) const = 0;
};

}  // namespace orvel
