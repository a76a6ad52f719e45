// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scales that fit a progression best, as a musician ranks them.
//
// Every scale of the catalogue (its chords left out) on every root is
// scored:
//   10 × the share of the progression's weighted notes it holds
//        (NoteWeights.h: thirds over other chord tones over tensions, long
//        chords over short; the key's own notes twice, so that the notes of
//        a secondary dominant are the ones left out: C major over C D7 G7 C)
//   - 1 for each note it adds to the progression's
//   - 1.5 in familiarity tier 2, 2.5 in tier 3 (Familiarity.h)
//   + 1.5 on the key's tonic, 0.75 on the tonic of a close key, 0.25 on
//     another chord's root.
// So a note left out costs what an added note costs when it carries a
// tenth of the weight, and a scale of tier 2 must hold a sixth more of it
// to come before one of tier 1 (C Mixolydian before C bebop Dorian over
// C7 F7, which holds F7's E♭ too). Rows are ranked by score, then familiarity, then
// catalogue order, and folded (FoldSameNotes.h); the first kMostRows are
// kept. A row that leaves notes out says which; one that holds every note
// says so.

#include <cstdint>
#include <span>
#include <vector>

#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"
#include "scales/TScale.h"
#include "theory/Key.h"
#include "theory/NoteWeights.h"

namespace orvel {

struct BestFit {
    std::uint32_t entry = 0;  // index in the catalogue
    PitchClass root;
    std::vector<std::uint32_t> also;  // the same notes on the same root, by other names
    PitchClassesAboveC leftOut;       // the progression's notes it does not hold
    int added = 0;                    // its notes beyond the progression's
    double score = 0;

    bool HoldsEveryNote() const { return leftOut.Empty(); }
};

inline constexpr std::size_t kMostBestFits = 30;

// `keys` best first (FindKey.h); `chordRoots` the roots of the chords.
std::vector<BestFit> RankBestFits(std::span<const TScale> catalogue, NoteWeights weights,
                                  std::span<const Key> keys, PitchClassesAboveC chordRoots);

}  // namespace orvel
