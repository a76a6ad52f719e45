// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The outcome of one matching run: the base-2 text of the query and the rows
// of the "Exact Match" and "Containing All Notes" lists, in result order.
//
// Rows are light (TMatchRow, stored 4 bytes a row by TMatchRows); their cell texts are produced
// here on demand:
//   cell 0  the entry's Bank
//   cell 1  the entry's Scale
//   cell 2  the root name of the pass that found the row
//   cell 3  containing rows only: the entry's own Notes in decimal (never
//           rotated), which the window reads back to place the stars.
//
// A result refers to the catalogue it was matched against without owning it:
// the catalogue must outlive the result and stay unchanged.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "matching/NoteNameTable.h"
#include "matching/TMatchRow.h"
#include "matching/TMatchRows.h"
#include "matching/TScaleQuery.h"
#include "scales/TScale.h"

namespace orvel {

class TMatchResult {
  public:
    static constexpr int kExactCellCount = 3;
    static constexpr int kContainingCellCount = 4;

    TMatchResult() = default;
    TMatchResult(std::span<const TScale> catalogue, NoteNames passRootNames,
                 NoteTableIndex rootIndex);

    std::string ValueText;
    TMatchRows ExactRows;
    TMatchRows ContainingRows;

    // The text of one cell of a row of this result (columns as above).
    std::string Cell(const TMatchRow& row, int column) const;

    std::string_view Bank(const TMatchRow& row) const { return Entry(row).Bank; }
    std::string_view ScaleName(const TMatchRow& row) const { return Entry(row).Scale; }
    std::string_view RootName(const TMatchRow& row) const { return passRootNames_[row.Pass]; }
    PitchClassSet EntryNotes(const TMatchRow& row) const { return Entry(row).Notes; }
    // The root the row was found under, as an index into the note-name table.
    NoteTableIndex RootIndex(const TMatchRow& row) const {
        return NoteTableIndex(rootIndex_.Value() + static_cast<int>(row.Pass));
    }
    // That root as a pitch class: what spelling and playing start from.
    PitchClass RootPitchClass(const TMatchRow& row) const { return RootIndex(row).Note(); }
    // The catalogue entry of a row.
    const TScale& Entry(const TMatchRow& row) const { return catalogue_[row.Entry]; }

    // The first row a reader meets: the first exact row, else the first
    // containing row; nothing when both lists are empty.
    std::optional<TMatchRow> FirstRow() const;

    // All cells of one row, as the lists show them.
    std::array<std::string, kExactCellCount> ExactCells(std::size_t index) const;
    std::array<std::string, kContainingCellCount> ContainingCells(std::size_t index) const;

  private:
    std::span<const TScale> catalogue_;
    NoteNames passRootNames_;   // index = pass
    NoteTableIndex rootIndex_;  // of the chosen root, in the note-name table
};

}  // namespace orvel
