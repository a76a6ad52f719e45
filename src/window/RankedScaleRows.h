// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ranked scales (RankScales.h) as the rows of the tables the chord and
// melody windows list them in, each cell spelled when the table shows it.
// Roots are named as the key and the chords (or notes) name them
// (RootName.h).

#include <QString>
#include <optional>
#include <vector>

#include "matching/BestFits.h"
#include "matching/RankScales.h"
#include "platform/ListRows.h"
#include "scales/TScale.h"
#include "theory/Key.h"
#include "theory/NoteName.h"
#include "theory/Progression.h"

namespace orvel {

// Notes as the window writes them: "C E♭ G".
QString NoteList(const std::vector<NoteName>& notes);
// Keys, best first, as the window names them: "A minor (or C major)";
// `none` where there are none.
QString KeysText(const std::vector<Key>& keys, const QString& none);

// Bank, scale, root, then the notes each adds beyond `against` or the one
// it misses, then whether it fits the whole progression. A chord's scales
// are named from its root as written (`chordRoot`).
class RankedRows final : public ListRows {
  public:
    RankedRows(const std::vector<TScale>& catalogue, std::vector<RankedScale> rows,
               Progression progression, std::vector<Key> keys, PitchClassesAboveC against,
               std::optional<NoteName> chordRoot);

    std::size_t RowCount() const override { return rows_.size(); }
    QString Cell(std::size_t index, int column) const override;

  private:
    NoteName Root(const RankedScale& row) const;

    const std::vector<TScale>& catalogue_;
    std::vector<RankedScale> rows_;
    Progression progression_;
    std::vector<Key> keys_;
    PitchClassesAboveC against_;
    std::optional<NoteName> chordRoot_;
};

// The best fits: the scale on its root ("C Major"), its notes, the notes it
// leaves out (with a chord each comes from), and its other names.
class BestRows final : public ListRows {
  public:
    BestRows(const std::vector<TScale>& catalogue, std::vector<BestFit> rows,
             Progression progression, std::vector<Key> keys);

    std::size_t RowCount() const override { return rows_.size(); }
    QString Cell(std::size_t index, int column) const override;

  private:
    QString LeftOut(const BestFit& row) const;

    const std::vector<TScale>& catalogue_;
    std::vector<BestFit> rows_;
    Progression progression_;
    std::vector<Key> keys_;
};

}  // namespace orvel
