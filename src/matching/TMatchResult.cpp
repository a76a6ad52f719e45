// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/TMatchResult.h"

#include <stdexcept>
#include <utility>

#include "scales/IntegerText.h"

namespace orvel {

TMatchResult::TMatchResult(std::span<const TScale> catalogue, NoteNames passRootNames,
                           NoteTableIndex rootIndex)
    : catalogue_(catalogue), passRootNames_(std::move(passRootNames)), rootIndex_(rootIndex) {}

std::string TMatchResult::Cell(const TMatchRow& row, int column) const {
    switch (column) {
        case 0:
            return std::string(Bank(row));
        case 1:
            return std::string(ScaleName(row));
        case 2:
            return std::string(RootName(row));
        case 3:
            return DecimalText(EntryNotes(row));
        default:
            throw std::out_of_range("a result row has no column " + std::to_string(column));
    }
}

std::array<std::string, TMatchResult::kExactCellCount> TMatchResult::ExactCells(
    std::size_t index) const {
    const TMatchRow& row = ExactRows.at(index);
    return {Cell(row, 0), Cell(row, 1), Cell(row, 2)};
}

std::array<std::string, TMatchResult::kContainingCellCount> TMatchResult::ContainingCells(
    std::size_t index) const {
    const TMatchRow& row = ContainingRows.at(index);
    return {Cell(row, 0), Cell(row, 1), Cell(row, 2), Cell(row, 3)};
}

std::optional<TMatchRow> TMatchResult::FirstRow() const {
    if (!ExactRows.empty()) {
        return ExactRows[0];
    }
    if (!ContainingRows.empty()) {
        return ContainingRows[0];
    }
    return std::nullopt;
}

}  // namespace orvel
