// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/MatchListRows.h"

namespace orvel {

MatchListRows::MatchListRows(std::shared_ptr<const TMatchResult> result, Which which)
    : result_(std::move(result)),
      rows_(which == Which::Exact ? result_->ExactRows : result_->ContainingRows),
      cellCount_(which == Which::Exact ? TMatchResult::kExactCellCount
                                       : TMatchResult::kContainingCellCount) {}

std::size_t MatchListRows::RowCount() const {
    return rows_.size();
}

QString MatchListRows::Cell(std::size_t row, int column) const {
    if (column < 0 || column >= cellCount_) {
        return {};
    }
    const std::string text = result_->Cell(rows_[row], column);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orvel
