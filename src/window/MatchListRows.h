// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One list of a match result as rows for a ListBox: the list reads the texts
// of the rows it shows straight from the result, which this object keeps
// alive. Texts are decoded as UTF-8; invalid bytes show as replacement
// characters.

#include <memory>

#include "matching/TMatchResult.h"
#include "platform/ListRows.h"

namespace orvel {

class MatchListRows final : public ListRows {
  public:
    enum class Which { Exact, Containing };

    MatchListRows(std::shared_ptr<const TMatchResult> result, Which which);

    std::size_t RowCount() const override;
    QString Cell(std::size_t row, int column) const override;

  private:
    std::shared_ptr<const TMatchResult> result_;
    const TMatchRows& rows_;
    int cellCount_;
};

}  // namespace orvel
