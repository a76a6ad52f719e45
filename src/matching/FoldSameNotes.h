// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One row for one collection of notes, as musicians think of it.
//
// Rows ranked best first are folded: a row with the same notes on the same
// root as a row above it becomes one of that row's other names ("also"),
// and a scale whose notes are the same on another root (a symmetric scale:
// the chromatic scale on every root, whole tone on six) is shown once, on
// its best root. A row needs `entry`, `root` and `also`.

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "scales/PitchClassesAboveC.h"
#include "scales/TScale.h"

namespace orvel {

template <typename Row>
std::vector<Row> FoldSameNotes(std::vector<Row> rows, std::span<const TScale> catalogue) {
    std::vector<Row> folded;
    std::map<std::pair<int, std::uint32_t>, std::size_t> rowOf;  // root and notes: folded row
    std::set<std::pair<std::uint32_t, std::uint32_t>> shown;     // entry and notes
    for (Row& row : rows) {
        const std::uint32_t notes = NotesOn(catalogue[row.entry].Notes, row.root).Bits();
        if (!shown.emplace(row.entry, notes).second) {
            continue;
        }
        const auto [above, isNew] =
            rowOf.try_emplace({row.root.SemitonesAboveC(), notes}, folded.size());
        if (isNew) {
            folded.push_back(std::move(row));
        } else {
            folded[above->second].also.push_back(row.entry);
        }
    }
    return folded;
}

}  // namespace orvel
